// Building the main window's controls from the geometry table.
#include "form1.h"

#include "apparence.h"
#include "btnxp.h"
#include "dotmatrix/matricewidget.h"
#include "editor/canevas.h"
#include "geometrie.h"
#include "imagecliquable.h"
#include "images.h"
#include "platform/surfacewidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>

namespace {

template <typename W>
W *controle(const char *nom, QWidget *parent)
{
    auto *w = new W(geometrie::texte(nom), parent);
    apparence::placer(w, nom);
    return w;
}

BtnXP *bouton(const char *nom, QWidget *parent)
{
    auto *b = new BtnXP(parent);
    apparence::placer(b, nom);
    return b;
}

// A label that only shows text over what lies under it.
QLabel *transparent(const char *nom, QWidget *parent, Qt::Alignment alignement)
{
    auto *label = controle<QLabel>(nom, parent);
    label->setAlignment(alignement);
    return label;
}

} // namespace

ImageCliquable *Form1::creerFleche(int index, bool plus, const char *nom, QWidget *parent)
{
    auto *image = new ImageCliquable(plus ? images::plus() : images::moins(), parent);
    apparence::placer(image, nom);
    image->setRepetable(true);
    Image[size_t(index)] = image;
    return image;
}

QLineEdit *Form1::creerCompteur(const char *nom, QWidget *parent)
{
    auto *box = controle<QLineEdit>(nom, parent);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    box->setFocusPolicy(Qt::ClickFocus);
    return box;
}

void Form1::creerOptions()
{
    Label[0] = apparence::entete(this, "Label(0)");
    lbl = transparent("lbl", this, Qt::AlignRight | Qt::AlignTop);
    slider1 = new QScrollBar(Qt::Horizontal, this);
    apparence::placer(slider1, "slider1");
    slider1->setRange(-50, 50);
    slider1->setSingleStep(1);
    slider1->setPageStep(1);
    slider1->setValue(0);
    // The arrow keys move it like its arrows: Right and Up towards the maximum.
    slider1->setInvertedControls(false);
    slider1->setFocusPolicy(Qt::StrongFocus);
    // A raised thumb on a stippled groove: the flat one of the default style hardly
    // shows on this window.
    if (QStyle *style = QStyleFactory::create(QStringLiteral("Windows"))) {
        style->setParent(slider1);
        slider1->setStyle(style);
    }
    Check2 = controle<QCheckBox>("Check2", this);
    Check3 = controle<QCheckBox>("Check3", this);
    Check8 = controle<QCheckBox>("Check8", this);
    apparence::fond(Check8, couleurs::fond);
    Option1 = controle<QRadioButton>("Option1", this);
    Option2 = controle<QRadioButton>("Option2", this);
    Label[9] = apparence::entete(this, "Label(9)");
    creerFleche(8, false, "Image8", this);
    Text7 = creerCompteur("Text7", this);
    creerFleche(9, true, "Image9", this);
    Label3 = transparent("Label3", this, Qt::AlignLeft | Qt::AlignTop);
    creerFleche(10, false, "Image10", this);
    Text8 = creerCompteur("Text8", this);
    creerFleche(11, true, "Image11", this);
    btnXP[2] = bouton("btnXP2", this);
    btnXP[6] = bouton("btnXP6", this);
    btnXP[1] = bouton("btnXP1", this);
}

void Form1::creerApercus()
{
    Label[1] = apparence::entete(this, "Label(1)");
    Picture3 = new SurfaceWidget(&etat.picture3, this);
    apparence::placer(Picture3, "Picture3");
    Label[2] = apparence::entete(this, "Label(2)");
    Picture2 = new Canevas(editeur, this);
    apparence::placer(Picture2, "Picture2");
    Picture2->setCursor(Qt::CrossCursor);
    // The coordinate readout, empty until the pointer moves over the canvas.
    Label2 = new QLabel(this);
    apparence::placer(Label2, "Label2");
    Label2->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    apparence::fond(Label2, couleurs::entete);
    Image[1] = new ImageCliquable(images::loupe(), this);
    apparence::placer(Image[1], "Image1");
    Picture1 = new SurfaceWidget(&etat.picture1, this);
    apparence::placer(Picture1, "Picture1");
    Picture1->hide();
}

void Form1::creerEnregistrement()
{
    apparence::ligne(this, "Line4");
    btnXP[3] = bouton("btnXP3", this);
    Label[3] = apparence::entete(this, "Label(3)");
    fich = controle<QLabel>("fich", this);
    fich->setFrameStyle(QFrame::Box | QFrame::Plain);
    apparence::fond(fich, kBlanc);
    btnXP[8] = bouton("btnXP8", this);
    btnXP[9] = bouton("btnXP9", this);
    apparence::ligne(this, "Line3");
    Check1 = controle<QCheckBox>("Check1", this);
    Label[5] = apparence::entete(this, "Label(5)");
    Text1 = new QLineEdit(this);
    apparence::placer(Text1, "Text1");
    Text1->setMaxLength(8);
    Label[4] = apparence::entete(this, "Label(4)");
    Text2 = controle<QLineEdit>("Text2", this);
    Text2->setMaxLength(8);
    conv = controle<QLabel>("conv", this);
    conv->hide();
    Label1 = controle<QLabel>("Label1", this);
    Label1->hide();
    apparence::ligne(this, "Line5");
    Matrice1 = new MatriceWidget(this);
    apparence::placer(Matrice1, "Matrice1");
}

void Form1::creerOutils()
{
    Frame1 = controle<QGroupBox>("Frame1", this);
    Frame1->setFlat(true);
    apparence::fond(Frame1, couleurs::fond);

    Optio[0] = controle<QRadioButton>("Optio(0)", Frame1);
    Optio[1] = controle<QRadioButton>("Optio(1)", Frame1);
    Label[8] = apparence::entete(Frame1, "Label(8)");
    apparence::ligne(Frame1, "Line2");
    creerFleche(7, false, "Image7", Frame1);
    Text6 = creerCompteur("Text6", Frame1);
    creerFleche(6, true, "Image6", Frame1);
    creerOutilsTexte();
    Optio[3] = controle<QRadioButton>("Optio(3)", Frame1);
    Label[7] = apparence::entete(Frame1, "Label(7)");
    creerFleche(4, false, "Image4", Frame1);
    Text5 = creerCompteur("Text5", Frame1);
    creerFleche(5, true, "Image5", Frame1);
    btnXP[4] = bouton("btnXP4", Frame1);
    Optio[4] = controle<QRadioButton>("Optio(4)", Frame1);
    btnXP[7] = bouton("btnXP7", Frame1);
}

void Form1::creerOutilsTexte()
{
    Optio[2] = controle<QRadioButton>("Optio(2)", Frame1);
    Text3 = new QPlainTextEdit(Frame1);
    apparence::placer(Text3, "Text3");
    Text3->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Text3->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    creerFleche(3, false, "Image3", Frame1);
    Text4 = creerCompteur("Text4", Frame1);
    creerFleche(2, true, "Image2", Frame1);
    Combo1 = new QComboBox(Frame1);
    apparence::placer(Combo1, "Combo1");
    Check4 = controle<QCheckBox>("Check4", Frame1);
    Check6 = controle<QCheckBox>("Check6", Frame1);
    Check5 = controle<QCheckBox>("Check5", Frame1);
    Check7 = controle<QCheckBox>("Check7", Frame1);
    Label[6] = apparence::entete(Frame1, "Label(6)");
    Picture4 = new SurfaceWidget(&editeur.picture4(), Frame1);
    apparence::placer(Picture4, "Picture4");
    btnXP[5] = bouton("btnXP5", Frame1);
}
