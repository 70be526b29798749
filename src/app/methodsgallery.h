#pragma once

#include "convert/document.h"

#include <QThreadPool>
#include <QTimer>
#include <QWidget>

#include <vector>

class ConversionChoices;
class MethodTile;
class QCheckBox;
class QComboBox;
class QScrollArea;

// "Comparer les méthodes": the current picture converted by every dithering method,
// side by side, with the tone control and the automatic contrast, which change the
// document's settings as the menu does. A click (or Enter) on a picture picks its
// method. The pictures are computed on worker threads from a copy of the document's
// pictures, so the window never freezes and the document may change meanwhile; a
// result that arrives after the settings or the picture changed again is dropped. A
// tool window beside the main window, destroyed when closed.
class MethodsGallery : public QWidget
{
    Q_OBJECT

public:
    MethodsGallery(Document &document, ConversionChoices &choices, QWidget *parent = nullptr);
    ~MethodsGallery() override;

    QComboBox *toneList = nullptr;
    QCheckBox *contrastBox = nullptr;
    QScrollArea *scroller = nullptr;
    std::vector<MethodTile *> tiles; // in the order of kDitheringMethods

    // Each new computation of the pictures has a new number.
    int generation() const { return m_generation; }

private:
    // What the pictures are made from; equal inputs give equal pictures.
    struct Inputs
    {
        QImage source, preview, work;
        SourceDecoding decoding; // what the source stands for, when decoded smaller
        int outputWidth = 0, outputHeight = 0;
        bool keepProportions = false;
        Settings settings; // the method's fields aside
        bool sameAs(const Inputs &other) const;
    };
    Inputs currentInputs() const;
    // Soon, once the signals of one command have all come.
    void scheduleRefresh();
    // The tone list, the contrast box and the current method's mark show the settings.
    void showChoices();
    // Those, and the pictures computed again if their inputs changed.
    void refresh();
    void compute(const Inputs &inputs);
    void showResult(int generation, size_t index, const QImage &picture);
    void buildControls();
    void buildTiles();
    // The largest size that fits the screen, the tiles in as few rows as fit.
    void fitScreen();

    Document &m_document;
    ConversionChoices &m_choices;
    Inputs m_inputs;
    bool m_computed = false;
    int m_generation = 0;
    QTimer m_refreshTimer;
    QThreadPool m_pool; // last: the workers end before the rest goes
};
