#pragma once

#include <QString>

#include <functional>

// How the program names the files it writes: the automatic names fig0000, fig0001,
// ... in the folder of the automatic files, and the file "Sauver sous" writes.
namespace filenaming {

// "fig" and k in at least four digits.
QString automaticName(int k);

// The smallest k for which no ordinary file folder + automaticName(k) + ".89i"
// exists; folder ends with a separator.
int freeNumber(const QString &folder);

// The file "Sauver sous" writes for a chosen name, ".89i" appended unless it already
// ends so (in any case): an existing file as it is, else with the file name (not the
// folders) in lower case.
QString saveAsPath(const QString &chosen);

// Whether the open command reads a file as a calculator picture: its name ends in
// "89i", in any case, with or without a dot.
bool namesCalculatorPicture(const QString &path);

// The folder ended with the platform's separator, in native form.
QString withSeparator(QString folder);

} // namespace filenaming

// Where the automatic files go: the program's folder, except when it is the
// executable's own folder and cannot be written to (an installed program); then
// the fallback folder, which the first automatic save creates.
class AutomaticFolder
{
public:
    // The executable's folder, checked for writing.
    AutomaticFolder();
    // A folder chosen by the caller, used as it is, writable or not.
    explicit AutomaticFolder(const QString &folder);

    // Always ends with the platform's separator.
    const QString &programFolder() const { return m_programFolder; }
    void setProgramFolder(const QString &folder);
    // By default the user's pictures folder + "Brivane".
    void setFallbackFolder(const QString &folder) { m_fallbackFolder = folder; }
    // How the executable's folder is checked for writing (by default
    // QFileInfo::isWritable(); tests decide, as root can write everywhere).
    void setWritableTest(std::function<bool(const QString &)> test) { m_writable = std::move(test); }

    // The folder of the automatic files, ending with the platform's separator.
    QString folder() const;

private:
    QString m_programFolder;
    bool m_isExecutableFolder = true;
    QString m_fallbackFolder; // empty: the pictures folder + "Brivane"
    std::function<bool(const QString &)> m_writable;
};
