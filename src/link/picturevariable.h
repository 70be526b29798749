#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace tilink {

// The picture variable a .89i file holds, as the calculator receives it.
struct PictureVariable
{
    // As the file stores them (the calculator's own characters), without the zero fill.
    QByteArray folder;
    QByteArray name;
    quint8 type = 0x10; // a picture
    // The variable's bytes exactly as the file holds them: from the data length
    // to the picture tag.
    QByteArray data;

    // "folder\name", or the name alone in the calculator's current folder.
    QByteArray fullName() const;
};

// The largest variable the link sends whole.
inline constexpr int kMaxVariableSize = 65535;

// The variable of a calculator picture file; nothing and the French reason in
// *error for a file that cannot be read, is no calculator picture or is too large
// for the calculator.
std::optional<PictureVariable> readPictureVariable(const QString &path, QString *error = nullptr);

} // namespace tilink
