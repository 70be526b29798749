#pragma once

#include <QString>
#include <QStringList>

// The picture the window opens at start-up.

// From a command-line text: a text holding a double quote anywhere loses its first
// and its last character.
QString startupSource(const QString &commandLineText);

// From the window's arguments: their text joined by blanks, as above, when it
// names an existing file (or when each argument fails too); otherwise the first
// argument that is a file, the others going to *notOpened.
QString startupSource(const QStringList &arguments, QStringList *notOpened);
