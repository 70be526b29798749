// The option panel: size spinners, grey-level slider, method and zoomed preview.
#include "mainpanel.h"

#include "conversionchoices.h"
#include "methodsgallery.h"
#include "windowsetup.h"
#include "zoomwindow.h"

#include "editor/selectiontool.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>

void MainPanel::showLevelPercent()
{
    levelPercent->setText(QString::number(levelSlider->value() + 50) + QStringLiteral(" %"));
}

void MainPanel::showLevel()
{
    showLevelPercent();
}

void MainPanel::convertAtLevel()
{
    showLevelPercent();
    document.settings.level = levelSlider->value();
    m_bySlider = true;
    document.convert();
    m_bySlider = false;
}

void MainPanel::undo()
{
    // A move still floating becomes the step to undo.
    editor.selection().cancel();
    if (history.undo())
        showSettings();
    showModified();
}

void MainPanel::redo()
{
    editor.selection().cancel();
    if (history.redo())
        showSettings();
    showModified();
}

void MainPanel::showSettings()
{
    // The label keeps its start-up text until the level changes.
    const Settings &settings = document.settings;
    if (levelSlider->value() != settings.level) {
        const QSignalBlocker blocker(levelSlider);
        levelSlider->setValue(settings.level);
        showLevelPercent();
    }
    (settings.simpleMethod ? simpleMethodButton : greyMethodButton)->setChecked(true);
    levelSlider->setEnabled(!settings.simpleMethod);
    invertBox->setChecked(settings.invertColours);
    conversionChoices->show();
}

void MainPanel::automaticLevel()
{
    const int level = document.automaticLevel();
    if (level == levelSlider->value())
        convertAtLevel(); // the slider would not move, so would not convert
    else
        levelSlider->setValue(level); // its Change converts
}

void MainPanel::chooseSimpleMethod()
{
    // The level means nothing to the simple method.
    levelSlider->setEnabled(false);
}

void MainPanel::chooseGreyMethod()
{
    levelSlider->setEnabled(true);
}

void MainPanel::stepSpinner(Spinner &spinner, bool up, QLineEdit *box, int &value)
{
    if (up ? spinner.up() : spinner.down())
        box->setText(spinner.text());
    value = spinner.value();
    showFrame(); // the proportions a frame keeps
}

void MainPanel::widthDown()
{
    stepSpinner(m_widthSpinner, false, widthBox, document.outputWidth);
}

void MainPanel::widthUp()
{
    stepSpinner(m_widthSpinner, true, widthBox, document.outputWidth);
}

void MainPanel::heightDown()
{
    stepSpinner(m_heightSpinner, false, heightBox, document.outputHeight);
}

void MainPanel::heightUp()
{
    stepSpinner(m_heightSpinner, true, heightBox, document.outputHeight);
}

void MainPanel::openZoom()
{
    // The window follows the work picture by itself: the magnifier only opens it.
    if (!m_zoomWindow) {
        m_zoomWindow = new ZoomWindow(editor, toolActions, this);
        windowsetup::placeBeside(m_zoomWindow, window());
    }
    m_zoomWindow->show();
}

void MainPanel::openMethodsGallery()
{
    if (!m_methodsGallery) {
        m_methodsGallery = new MethodsGallery(document, *conversionChoices, this);
        windowsetup::placeBeside(m_methodsGallery, window());
    }
    m_methodsGallery->show();
    m_methodsGallery->raise();
    m_methodsGallery->activateWindow();
}
