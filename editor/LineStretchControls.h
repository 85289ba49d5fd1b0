#pragma once

class ImageView;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QSpinBox;
class QString;
class QToolButton;
class QWidget;
class ThicknessSpinBox;
class ToolButtonGroup;

// The editor window's look and controls: caption, fixed size, font, and every control at
// its fixed place with its initial text and settings. Every control is a child of the
// form, which owns it; the pointers here stay valid as long as the form. Each control's
// objectName is its member's name, so that it can be found by name.
class LineStretchControls {
  public:
    static constexpr int ClientWidth = 535;
    static constexpr int ClientHeight = 386;

    explicit LineStretchControls(QWidget* form);

    // Header panel.
    QFrame* Panel3;
    QLabel* Label6;
    QLabel* Label12;

    // Tool panel.
    QFrame* Panel1;
    QToolButton* SpeedButton2; // bar tool
    QToolButton* SpeedButton1; // appendix tool
    QToolButton* SpeedButton3; // remove
    QToolButton* SpeedButton4; // load
    QToolButton* SpeedButton5; // save
    QToolButton* SpeedButton6; // new profile
    QToolButton* SpeedButton10; // standard section
    QToolButton* SpeedButton8; // print
    QToolButton* SpeedButton7; // refresh
    QToolButton* SpeedButton9; // section properties window
    ToolButtonGroup* Group1;   // SpeedButton2, SpeedButton1, SpeedButton3

    ImageView* ImageArea;

    // Bottom panel: status and settings.
    QFrame* Panel2;
    QLabel* Label1;
    QLabel* Label2; // MarkP1
    QLabel* Label3; // MarkP2
    QLabel* Label4;
    QLabel* Label5; // ObjectCount
    QCheckBox* chDrawGrid;
    QCheckBox* chTravaGrid;
    QLabel* Label8;
    QSpinBox* SpinEdit1; // grid step
    QLabel* Label9;
    QComboBox* ComboBox1; // material
    QLabel* Label7;
    ThicknessSpinBox* tEspessura; // thickness of new objects, tenths of a millimetre
    QLabel* Label10;
    QLabel* Label11; // thickness in millimetres

  private:
    void setUpForm(QWidget* form);
    void buildHeader(QWidget* form);
    void buildToolPanel(QWidget* form);
    void buildStatusPanel(QWidget* form);
    void buildSettings();
};

// Sets a label's text; labels size themselves to their text.
void SetLabelText(QLabel* label, const QString& text);
