#pragma once

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// What the fuzz targets share: Qt without a screen and a private folder for the
// files they write.
namespace fuzz {

// Creates, once, the application object that pictures and fonts need, without a
// screen, and the private folder. For LLVMFuzzerInitialize.
void initialiser(int *argc, char ***argv);

// A file name in the private folder (in memory where the system offers it).
QString chemin(const QString &name);

// Makes the bytes the whole content of the file.
void ecrire(const QString &path, const uint8_t *data, size_t size);
void ecrire(const QString &path, const QByteArray &bytes);
// The whole content of a file (empty when it cannot be read).
QByteArray lire(const QString &path);

// Ends the run as a finding, with the property that failed.
[[noreturn]] void echec(const char *what, const QString &detail = QString());
inline void verifier(bool ok, const char *what, const QString &detail = QString())
{
    if (!ok)
        echec(what, detail);
}

} // namespace fuzz
