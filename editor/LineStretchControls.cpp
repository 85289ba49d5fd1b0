#include "LineStretchControls.h"

#include "ButtonIcons.h"
#include "DrawingSurface.h"
#include "ImageView.h"
#include "MaterialList.h"
#include "ThicknessSpinBox.h"
#include "ToolButtonGroup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QSpinBox>
#include <QToolButton>

namespace {

template <typename Control> Control* Named(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

QFrame* Panel(QWidget* form, const char* name, const QRect& geometry) {
    auto* panel = Named(new QFrame(form), name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    panel->setGeometry(geometry);
    return panel;
}

QLabel* Label(QWidget* parent, const char* name, const QString& text, int left, int top) {
    auto* label = Named(new QLabel(parent), name);
    label->move(left, top);
    SetLabelText(label, text);
    return label;
}

QToolButton* PictureButton(QWidget* panel, const char* name, ButtonPicture picture, int top,
                           const QString& hint = {}, int left = 8) {
    auto* button = Named(new QToolButton(panel), name);
    button->setGeometry(left, top, 25, 25);
    button->setIcon(ButtonIcon(picture));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setToolTip(hint);
    return button;
}

QCheckBox* CheckBox(QWidget* parent, const char* name, const QString& text, int top) {
    auto* box = Named(new QCheckBox(text, parent), name);
    box->setGeometry(312, top, 97, 17);
    box->setChecked(true);
    return box;
}

template <typename Box = QSpinBox>
Box* SpinEdit(QWidget* parent, const char* name, const QRect& geometry, int minimum, int maximum,
              int value) {
    auto* spin = Named(new Box(parent), name);
    spin->setGeometry(geometry);
    spin->setRange(minimum, maximum);
    spin->setSingleStep(1);
    spin->setValue(value);
    return spin;
}

} // namespace

void SetLabelText(QLabel* label, const QString& text) {
    label->setText(text);
    label->adjustSize();
}

LineStretchControls::LineStretchControls(QWidget* form) {
    setUpForm(form);
    // Creation order is tab order: the tool panel, the bottom panel, the header.
    buildToolPanel(form);
    ImageArea = Named(new ImageView(form), "ImageArea");
    ImageArea->setGeometry(81, 57, DrawingSurface::Width, DrawingSurface::Height);
    buildStatusPanel(form);
    buildSettings();
    buildHeader(form);
}

void LineStretchControls::setUpForm(QWidget* form) {
    form->setWindowTitle(QStringLiteral("Editor do Perfil"));
    // A fixed single border: close and minimise, no maximise, no resizing.
    form->setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                         Qt::WindowCloseButtonHint);
    form->setFixedSize(ClientWidth, ClientHeight);
    form->setBackgroundRole(QPalette::Button);
    form->setAutoFillBackground(true);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(13);
    form->setFont(font);
}

void LineStretchControls::buildHeader(QWidget* form) {
    Panel3 = Panel(form, "Panel3", QRect(0, 0, ClientWidth, 41));
    Label6 = Label(Panel3, "Label6", QStringLiteral("Editor de perfil metálico"), 104, 16);
    Label12 = Label(Panel3, "Label12", QStringLiteral("Versão " PERFIL_VERSION), 392, 16);
}

void LineStretchControls::buildToolPanel(QWidget* form) {
    Panel1 = Panel(form, "Panel1", QRect(0, 41, 57, 276));
    SpeedButton2 = PictureButton(Panel1, "SpeedButton2", ButtonPicture::BarTool, 8,
                                 QStringLiteral("Adiciona uma linha"));
    SpeedButton1 = PictureButton(Panel1, "SpeedButton1", ButtonPicture::AppendixTool, 32,
                                 QStringLiteral("Adiciona um apêndice"));
    SpeedButton3 = PictureButton(Panel1, "SpeedButton3", ButtonPicture::Remove, 56,
                                 QStringLiteral("Remove um item"));
    // In the free space between the tool buttons and the file buttons.
    SpeedButton9 = PictureButton(Panel1, "SpeedButton9", ButtonPicture::Properties, 96,
                                 QStringLiteral("Propriedades da seção (Alt+Enter)"));
    SpeedButton4 = PictureButton(Panel1, "SpeedButton4", ButtonPicture::Load, 136,
                                 QStringLiteral("Carrega perfil existente"));
    SpeedButton5 = PictureButton(Panel1, "SpeedButton5", ButtonPicture::Save, 160,
                                 QStringLiteral("Salva perfil atual"));
    SpeedButton6 = PictureButton(Panel1, "SpeedButton6", ButtonPicture::NewProfile, 184,
                                 QStringLiteral("Novo perfil"));
    // Beside New, in the free column right of the buttons: it too starts a new profile.
    SpeedButton10 = PictureButton(Panel1, "SpeedButton10", ButtonPicture::StandardSection, 184,
                                  QStringLiteral("Perfil padronizado"), 30);
    SpeedButton8 = PictureButton(Panel1, "SpeedButton8", ButtonPicture::Print, 208);
    SpeedButton7 = PictureButton(Panel1, "SpeedButton7", ButtonPicture::Refresh, 240,
                                 QStringLiteral("Refresh"));
    Group1 = new ToolButtonGroup(form);
    for (QToolButton* button : {SpeedButton2, SpeedButton1, SpeedButton3})
        Group1->addButton(button);
}

void LineStretchControls::buildStatusPanel(QWidget* form) {
    Panel2 = Panel(form, "Panel2", QRect(0, 317, ClientWidth, 69));
    Label1 = Label(Panel2, "Label1", QStringLiteral("Coordenadas:"), 16, 16);
    Label2 = Label(Panel2, "Label2", QStringLiteral("x,y"), 104, 16);
    Label3 = Label(Panel2, "Label3", QStringLiteral("x,y"), 152, 16);
    Label4 = Label(Panel2, "Label4", QStringLiteral("Objetos:"), 216, 16);
    Label5 = Label(Panel2, "Label5", QStringLiteral("x"), 272, 16);
}

void LineStretchControls::buildSettings() {
    chDrawGrid = CheckBox(Panel2, "chDrawGrid", QStringLiteral("Desenha grade"), 8);
    chTravaGrid = CheckBox(Panel2, "chTravaGrid", QStringLiteral("Trava na grade"), 24);
    Label8 = Label(Panel2, "Label8", QStringLiteral("Grade com:"), 424, 8);
    SpinEdit1 = SpinEdit(Panel2, "SpinEdit1", QRect(488, 9, 35, 24), 5, 50, 10);
    Label9 = Label(Panel2, "Label9", QStringLiteral("Material:"), 16, 44);

    ComboBox1 = Named(new QComboBox(Panel2), "ComboBox1");
    ComboBox1->setGeometry(80, 40, 153, 23);
    ComboBox1->setEditable(true);
    // Typed text is a material of its own and never becomes an item.
    ComboBox1->setInsertPolicy(QComboBox::NoInsert);
    for (std::string_view item : MaterialItems)
        ComboBox1->addItem(QString::fromUtf8(item.data(), static_cast<qsizetype>(item.size())));
    ComboBox1->setCurrentIndex(0);

    Label7 = Label(Panel2, "Label7", QStringLiteral("Espes."), 283, 46);
    tEspessura =
        SpinEdit<ThicknessSpinBox>(Panel2, "tEspessura", QRect(333, 39, 44, 24), 1, 100, 10);
    Label10 = Label(Panel2, "Label10", QStringLiteral("/ 10"), 387, 46);
    QFont bold = Label10->font();
    bold.setBold(true);
    Label10->setFont(bold);
    Label10->adjustSize();
    Label11 = Label(Panel2, "Label11", QStringLiteral("1 mm"), 424, 48);
}
