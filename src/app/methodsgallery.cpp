#include "methodsgallery.h"

#include "conversionchoices.h"
#include "methodtile.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kMostColumns = 4;

// The picture as the document's copy converts it, cut to the output area; null when
// the conversion failed.
QImage convertCopy(const QImage &source, const SourceDecoding &decoding, const QImage &preview, const QImage &work,
                   int outputWidth, int outputHeight, bool keepProportions, const Settings &settings)
{
    try {
        Document copy{QString()}; // no folder is read
        copy.shareSource(source, decoding);
        copy.preview.image() = preview;
        copy.work.image() = work;
        copy.outputWidth = outputWidth;
        copy.outputHeight = outputHeight;
        copy.keepProportions = keepProportions;
        copy.settings = settings;
        const QImage converted = copy.convertedWith(settings);
        return converted.copy(QRect(0, 0, outputWidth, outputHeight) & converted.rect());
    } catch (...) {
        return {}; // the tile says the computation failed; a worker must not throw
    }
}

} // namespace

bool MethodsGallery::Inputs::sameAs(const Inputs &other) const
{
    return source.cacheKey() == other.source.cacheKey() && preview.cacheKey() == other.preview.cacheKey()
           && outputWidth == other.outputWidth && outputHeight == other.outputHeight
           && keepProportions == other.keepProportions && settings == other.settings;
}

MethodsGallery::MethodsGallery(Document &document, ConversionChoices &choices, QWidget *parent)
    : QWidget(parent, Qt::Tool)
    , m_document(document)
    , m_choices(choices)
{
    setObjectName(QStringLiteral("methodsGallery"));
    setWindowTitle(QStringLiteral("Comparer les méthodes"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();
    buildTiles();
    fitScreen();

    m_refreshTimer.setSingleShot(true);
    m_refreshTimer.setInterval(0);
    connect(&m_refreshTimer, &QTimer::timeout, this, &MethodsGallery::refresh);
    connect(&document, &Document::converted, this, &MethodsGallery::scheduleRefresh);
    connect(&document, &Document::changed, this, &MethodsGallery::scheduleRefresh);
    connect(&choices, &ConversionChoices::changed, this, &MethodsGallery::scheduleRefresh);
    refresh();
}

MethodsGallery::~MethodsGallery()
{
    // The workers post their results to this window: none may run past it.
    m_pool.clear();
    m_pool.waitForDone();
}

void MethodsGallery::buildControls()
{
    auto *layout = new QVBoxLayout(this);
    auto *bar = new QHBoxLayout;
    auto *toneLabel = new QLabel(QStringLiteral("&Rendu des tons :"), this);
    toneList = new QComboBox(this);
    toneList->setObjectName(QStringLiteral("toneList"));
    toneLabel->setBuddy(toneList);
    for (const QAction *action : m_choices.toneActions)
        toneList->addItem(action->iconText());
    connect(toneList, &QComboBox::activated, this, [this](int index) { m_choices.toneActions[index]->trigger(); });
    contrastBox = new QCheckBox(m_choices.autoContrast->text(), this);
    contrastBox->setObjectName(QStringLiteral("contrastBox"));
    connect(contrastBox, &QCheckBox::clicked, m_choices.autoContrast, &QAction::trigger);
    bar->addWidget(toneLabel);
    bar->addWidget(toneList);
    bar->addSpacing(16);
    bar->addWidget(contrastBox);
    bar->addStretch(1);
    layout->addLayout(bar);

    scroller = new QScrollArea(this);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setWidgetResizable(true);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(scroller, 1);
}

void MethodsGallery::buildTiles()
{
    for (monochrome::Dithering method : monochrome::kDitheringMethods) {
        auto *tile = new MethodTile(method, ConversionChoices::methodCaption(method));
        tile->setObjectName(ConversionChoices::methodCaption(method));
        tile->setToolTip(QStringLiteral("Choisir %1 (clic, Entrée ou Espace)").arg(tile->text()));
        connect(tile, &QAbstractButton::clicked, this, [this, method] { m_choices.pickMethod(method); });
        tiles.push_back(tile);
    }
}

void MethodsGallery::fitScreen()
{
    const QWidget *beside = parentWidget() ? parentWidget()->window() : nullptr;
    const QScreen *screen = beside ? beside->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    // Room for the frame the window manager adds.
    const QSize room = area.size() - QSize(16, 48);
    const int besideWidth = room.width() - (beside ? beside->frameGeometry().width() : 0);
    QSize tile;
    for (const MethodTile *t : tiles)
        tile = tile.expandedTo(t->sizeHint());
    const int spacing = 8;
    const int scrollBar = scroller->verticalScrollBar()->sizeHint().width();
    const QMargins outer = layout()->contentsMargins();
    const QSize bar = layout()->itemAt(0)->sizeHint();
    const int count = int(tiles.size());
    const auto windowSize = [&](int columns) {
        const int rows = (count + columns - 1) / columns;
        const QSize grid(columns * (tile.width() + spacing) - spacing, rows * (tile.height() + spacing) - spacing);
        return QSize(std::max(bar.width(), grid.width() + scrollBar) + outer.left() + outer.right(),
                     bar.height() + layout()->spacing() + grid.height() + outer.top() + outer.bottom());
    };
    // The most columns that leave the main window uncovered, else the most the screen
    // holds; rows beyond the screen scroll.
    int columns = kMostColumns;
    while (columns > 1 && (windowSize(columns).width() > besideWidth || windowSize(columns).height() > room.height()))
        --columns;
    if (windowSize(columns).width() > besideWidth || windowSize(columns).height() > room.height()) {
        columns = kMostColumns;
        while (columns > 1 && windowSize(columns).width() > room.width())
            --columns;
    }

    auto *grid = new QGridLayout;
    grid->setSpacing(spacing);
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < count; ++i)
        grid->addWidget(tiles[size_t(i)], i / columns, i % columns);
    grid->setRowStretch(grid->rowCount(), 1);
    grid->setColumnStretch(columns, 1);
    auto *content = new QWidget;
    content->setLayout(grid);
    scroller->setWidget(content);
    setTabOrder(contrastBox, tiles.front());
    for (size_t i = 0; i + 1 < tiles.size(); ++i)
        setTabOrder(tiles[i], tiles[i + 1]);
    resize(windowSize(columns).boundedTo(room));
}

MethodsGallery::Inputs MethodsGallery::currentInputs() const
{
    Inputs inputs{m_document.source.image(), m_document.preview.image(), m_document.work.image(),
                  m_document.sourceDecoding(), m_document.outputWidth, m_document.outputHeight,
                  m_document.keepProportions, m_document.settings};
    inputs.settings.dithering = monochrome::Dithering::None;
    inputs.settings.simpleMethod = false;
    return inputs;
}

void MethodsGallery::scheduleRefresh()
{
    showChoices();
    m_refreshTimer.start();
}

void MethodsGallery::showChoices()
{
    const Settings &settings = m_document.settings;
    const qsizetype tone = std::ranges::find_if(m_choices.toneActions, &QAction::isChecked) - m_choices.toneActions.begin();
    toneList->setCurrentIndex(tone < m_choices.toneActions.size() ? int(tone) : -1);
    contrastBox->setChecked(settings.autoContrast);
    for (MethodTile *tile : tiles)
        tile->setCurrent(!settings.simpleMethod && settings.dithering == tile->method());
}

void MethodsGallery::refresh()
{
    showChoices();
    const Inputs inputs = currentInputs();
    if (m_computed && inputs.sameAs(m_inputs))
        return;
    compute(inputs);
}

void MethodsGallery::compute(const Inputs &inputs)
{
    m_inputs = inputs;
    m_computed = true;
    const int generation = ++m_generation;
    m_pool.clear(); // what has not started yet is no longer wanted
    const QSize area = QSize(inputs.outputWidth, inputs.outputHeight)
                           .boundedTo(QSize(Document::kScreenWidth, Document::kScreenHeight));
    for (size_t i = 0; i < tiles.size(); ++i) {
        tiles[i]->startComputing(area);
        Settings settings = inputs.settings;
        settings.dithering = tiles[i]->method();
        m_pool.start([this, generation, i, inputs, settings] {
            const QImage picture = convertCopy(inputs.source, inputs.decoding, inputs.preview, inputs.work,
                                               inputs.outputWidth, inputs.outputHeight, inputs.keepProportions, settings);
            QMetaObject::invokeMethod(
                this, [this, generation, i, picture] { showResult(generation, i, picture); }, Qt::QueuedConnection);
        });
    }
}

void MethodsGallery::showResult(int generation, size_t index, const QImage &picture)
{
    if (generation == m_generation)
        tiles[index]->setPicture(picture);
}
