// The main window's start-up sequence.
#include "mainpanel.h"

#include "appearance.h"
#include "commandbutton.h"
#include "dotmatrix/numberederror.h"
#include "dotmatrix/signwidget.h"
#include "splashwindow.h"
#include "geometry.h"
#include "app/dialogs.h"
#include "startupsource.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

namespace {

const char *const kCommandCaptions[] = {"convertButton", "pasteButton", "saveAutomaticallyButton", "validateLineButton", "validateTextButton",
                                "openButton", "validateEllipseButton", "saveAsButton", "viewerButton"};

} // namespace

QString MainPanel::welcomeText()
{
    return QStringLiteral("Bienvenue sur Brivane programmé par Ostrelin Vardeck...")
           + QString(31, u' ');
}

void MainPanel::start(const QStringList &arguments)
{
    QStringList others;
    const QString source = startupSource(arguments, &others);
    startWith(source);
    if (!others.isEmpty()) {
        QStringList names;
        for (const QString &other : others)
            names << QDir::toNativeSeparators(other);
        Dialogs::current().message(
            (others.size() == 1 ? QStringLiteral("Une seule image s'ouvre à la fois ; ce fichier n'a pas "
                                                 "été ouvert : %1.")
                                : QStringLiteral("Une seule image s'ouvre à la fois ; ces fichiers n'ont "
                                                 "pas été ouverts : %1."))
                .arg(names.join(QStringLiteral(", "))),
            Dialogs::Icon::Information);
    }
}

void MainPanel::startWith(const QString &source)
{
    // The program's folder is the state's from its creation.
    QStringList polices = QFontDatabase::families();
    polices.sort(Qt::CaseInsensitive);
    fontList->addItems(polices);
    // The list shows the font the text tool uses (the face the system put in
    // place of the preview's).
    fontList->setCurrentIndex(fontList->findText(QFontInfo(editor.font()).family()));
    // The editor sets the fonts up itself: the preview's name goes to the text
    // label and the size goes up once, to 7 points.
    fontSizeBox->setText(editor.fontSize().text());
    lineWidthBox->setText(editor.lineWidth().text());
    pixelSizeBox->setText(editor.pixelSize().text());

    appearance::setBackground(this, colours::window);
    for (QLabel *label : headers)
        appearance::setBackground(label, colours::header);
    for (QWidget *w : std::initializer_list<QWidget *>{advancedOptionsBox, keepProportionsBox, invertBox, simpleMethodButton, greyMethodButton})
        appearance::setBackground(w, colours::window);

    try {
        DotMatrix &sign = banner->matrix();
        sign.setBackColor(colours::window);
        sign.setForeColor(colours::bannerDots);
        sign.setPixelSize(2);
        sign.makeText(welcomeText());
    } catch (const NumberedError &) {
        // The banner stays as it is; the program works without it.
    }

    SplashWindow splash;
    splash.show();
    splash.repaint();

    greyMethodButton->setChecked(true);
    chooseGreyMethod();
    for (size_t i = 0; i < commandButtons.size(); ++i)
        commandButtons[i]->setText(geometry::text(kCommandCaptions[i]));

    // Sizes, source, stretch, conversion at level 0 and the first free name.
    bool opened = false;
    if (const QString message = document.start(source, &opened); !message.isEmpty())
        Dialogs::current().message(message, Dialogs::Icon::Exclamation);
    if (opened) {
        addRecentFile(source);
        fileOpened(source);
    }
    // The first picture is where undoing stops.
    history.reset();
    splash.hide();
}
