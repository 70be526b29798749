#include "dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <QWidget>

namespace {
Dialogs *installed = nullptr;
}

Dialogs &Dialogs::current()
{
    static QtDialogs qtDialogs;
    return installed ? *installed : qtDialogs;
}

void Dialogs::install(Dialogs *d)
{
    installed = d;
}

QString programTitle()
{
    return QStringLiteral("Brivane");
}

void QtDialogs::message(const QString &text, Icon icon, const QString &detail)
{
    QMessageBox box(icon == Icon::Information ? QMessageBox::Information : QMessageBox::Warning,
                    programTitle(), text, QMessageBox::Ok, QApplication::activeWindow());
    box.setInformativeText(detail);
    box.exec();
}

namespace {

std::optional<QString> chooseFileIn(QWidget *owner, const QList<Dialogs::Filter> &filters,
                                      const QString &initialFolder, const QString &title,
                                      bool record)
{
    // Qt writes patterns separated by blanks inside the parentheses.
    QStringList nameFilters;
    for (const Dialogs::Filter &f : filters) {
        QString patterns = f.patterns;
        patterns.replace(u';', u' ');
        QString description = f.description;
        const qsizetype paren = description.indexOf(u'(');
        if (paren >= 0)
            description = description.left(paren).trimmed();
        nameFilters << QStringLiteral("%1 (%2)").arg(description, patterns);
    }
    QFileDialog dialog(owner, title, initialFolder);
    // Qt's own dialog everywhere: the same texts (in French), the same filtering.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::DontConfirmOverwrite);
    dialog.setFilter(dialog.filter() & ~QDir::CaseSensitive); // PHOTO.JPG is a .jpg
    dialog.setNameFilters(nameFilters);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setAcceptMode(record ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return QDir::toNativeSeparators(dialog.selectedFiles().constFirst());
}

} // namespace

std::optional<QString> QtDialogs::chooseFile(QWidget *owner, const QList<Filter> &filters,
                                             const QString &initialFolder, const QString &title)
{
    return chooseFileIn(owner, filters, initialFolder, title, false);
}

std::optional<QString> QtDialogs::chooseSaveFile(QWidget *owner, const QList<Filter> &filters,
                                                 const QString &initialFolder,
                                                 const QString &title)
{
    return chooseFileIn(owner, filters, initialFolder, title, true);
}

void QtDialogs::setTopmost(QWidget *window, bool topmost)
{
    if (!window)
        return;
    const bool visible = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, topmost);
    // Changing a flag hides the window; put it back as it was.
    if (visible)
        window->show();
}
