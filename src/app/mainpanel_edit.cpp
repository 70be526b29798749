// The selection's commands and the whole picture's (Édition and Image menus). Each
// change of the picture is one undo step, recorded as a retouch.
#include "mainpanel.h"

#include "editor/selectiontool.h"
#include "platform/pictureloader.h"

#include <QClipboard>
#include <QGuiApplication>

void MainPanel::copySelection()
{
    // Through the system clipboard, so that other programs get the pixels too.
    if (const QImage pixels = editor.selection().selectedPixels(); !pixels.isNull())
        QGuiApplication::clipboard()->setImage(pixels);
}

void MainPanel::cutSelection()
{
    copySelection();
    editor.selection().clear();
}

void MainPanel::pasteIntoPicture()
{
    const QImage image = clipboardPicture();
    if (image.isNull()) {
        warn(QStringLiteral("Le presse-papier ne contient aucune image."));
        return;
    }
    editor.paste(image);
}

void MainPanel::cropToSelection()
{
    SelectionTool &selection = editor.selection();
    const QRect part = selection.area() & document.work.rect();
    if (part.isEmpty())
        return;
    selection.cancel(); // floating pixels are laid down first, as their own step
    document.cropWork(part);
    history.record(false, History::Change::Retouch);
    showModified();
}

void MainPanel::layDownSelection()
{
    if (editor.selection().floating())
        editor.selection().validate();
}
