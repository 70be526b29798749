#include "dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
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
                                                 const QString &initialPath,
                                                 const QString &title)
{
    // A path to a file: the dialog opens on its folder with the name typed in.
    return chooseFileIn(owner, filters, initialPath, title, true);
}

Dialogs::Answer QtDialogs::ask(QWidget *owner, const QString &question)
{
    QMessageBox box(QMessageBox::Warning, programTitle(), question,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, owner);
    box.button(QMessageBox::Save)->setText(QStringLiteral("Enregistrer"));
    box.button(QMessageBox::Discard)->setText(QStringLiteral("Ne pas enregistrer"));
    box.button(QMessageBox::Cancel)->setText(QStringLiteral("Annuler"));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save:
        return Answer::Save;
    case QMessageBox::Discard:
        return Answer::Discard;
    default: // Annuler, Escape or the box's own close button
        return Answer::Cancel;
    }
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
