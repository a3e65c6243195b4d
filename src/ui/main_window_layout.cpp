// The window's controls at their fixed places and sizes, in pixels.

#include <QButtonGroup>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <algorithm>

#include "editing/keypad_table.h"
#include "ui/compute_steps.h"
#include "ui/hint_bar.h"
#include "ui/main_window.h"
#include "ui/up_down.h"

namespace vantorel::ui {
namespace {

using editing::KeyBlock;
using editing::KeypadKey;

constexpr int kClientWidth = 654;
constexpr int kClientHeight = 550;
constexpr int kWindowFontPixels = 11;
constexpr int kEditorFontPixels = 13;
constexpr int kNamePlatePixels = 75;
constexpr int kConstantsContentHeight = 221;

// A plain sans-serif face at a pixel height; the faces named first are used where
// installed. Its width is set, not left open: an open width is taken from the parent, and
// the constants panel, a child of the name plate, would take the plate's narrowing.
QFont SansSerif(int pixels, const QString& preferred = QStringLiteral("MS Sans Serif")) {
  QFont font;
  font.setFamilies({preferred, QStringLiteral("Sans Serif")});
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixels);
  font.setStretch(QFont::AnyStretch);
  return font;
}

// The substitute face is wider than the one the window was drawn for: where a caption
// would not fit its control, the face is narrowed in steps of 2%, to the widest step that
// fits (never below half its width). Widths grow with the stretch, so the search starts
// at the proportional guess and goes up from it if it fits, else down: each step tried
// loads a font, which is slow.
void FitCaption(QWidget* control, const QString& caption, int available) {
  QFont face = control->font();
  const int natural = QFontMetrics(face).horizontalAdvance(caption);
  if (natural <= available) return;
  const auto fits = [&](int stretch) {
    face.setStretch(stretch);
    return QFontMetrics(face).horizontalAdvance(caption) <= available;
  };
  int stretch = std::clamp(100 * available / natural / 2 * 2, 50, 98);
  if (fits(stretch)) {
    while (stretch < 98 && fits(stretch + 2)) stretch += 2;
  } else {
    while (stretch > 50 && !fits(stretch - 2)) stretch -= 2;
    stretch = std::max(stretch - 2, 50);
  }
  face.setStretch(stretch);
  control->setFont(face);
}

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QWidget* Panel(const char* name, QWidget* parent, const QRect& place) {
  auto* panel = new QWidget(parent);
  panel->setObjectName(QString::fromLatin1(name));
  panel->setGeometry(place);
  return panel;
}

QGroupBox* GroupBox(const char* name, const QString& caption, QWidget* parent,
                    const QRect& place) {
  auto* box = new QGroupBox(caption, parent);
  box->setObjectName(QString::fromLatin1(name));
  box->setGeometry(place);
  return box;
}

QLabel* UnfittedLabel(const char* name, const QString& text, QWidget* parent,
                      const QRect& place,
                      Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setGeometry(place);
  label->setAlignment(alignment);
  return label;
}

QLabel* Label(const char* name, const QString& text, QWidget* parent, const QRect& place,
              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter) {
  QLabel* label = UnfittedLabel(name, text, parent, place, alignment);
  FitCaption(label, text, place.width());
  return label;
}

QLineEdit* LineEditor(const char* name, QWidget* parent, const QRect& place) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setGeometry(place);
  edit->setFont(SansSerif(kEditorFontPixels));
  return edit;
}

// The long part of a hint is what the status bar shows.
void Hint(QWidget* control, const char* longPart) {
  control->setStatusTip(QString::fromUtf8(longPart));
}

}  // namespace

void TF_Main_LSF::BuildWindow() {
  setWindowTitle(QStringLiteral("Vantorel Calculator - VantorelCalc"));
  setFont(SansSerif(kWindowFontPixels));
  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("ClientArea"));
  client->setFixedSize(kClientWidth, kClientHeight);
  setCentralWidget(client);
  BuildExpressionBand(client);
  Panel4 = Panel("Panel4", client, {0, 100, kClientWidth, 450});
  BuildInputBand(Panel4);
  BuildKeypad(Panel4);
  BuildBottomBand(Panel4);
  for (const auto& table : {editing::InsertionKeys(), editing::CommandKeys()}) {
    for (const KeypadKey& key : table) {
      BuildKey(key, key.place.block == KeyBlock::Constants ? ConstantScrollBox1->widget()
                                                           : GroupBox1);
    }
  }
  Nrptbtn = keys_.at("Nrptbtn");
}

void TF_Main_LSF::BuildExpressionBand(QWidget* client) {
  Panel1 = Panel("Panel1", client, {0, 0, kClientWidth, 100});
  GroupBox3 = GroupBox("GroupBox3", QStringLiteral("Expression"), Panel1,
                       {0, 0, kClientWidth, 100});
  Editory1 = new QPlainTextEdit(GroupBox3);
  Editory1->setObjectName(QStringLiteral("Editory1"));
  Editory1->setGeometry(8, 16, 630, 74);
  Editory1->setFont(SansSerif(kEditorFontPixels));
  Editory1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Editory1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Editory1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  Hint(Editory1,
       "Expr-Editor: Enter a formula either by typing on the keyboard, pressing the buttons "
       "with the mouse, or a mixture of both.");
}

void TF_Main_LSF::BuildInputBand(QWidget* lowerArea) {
  Panel9 = Panel("Panel9", lowerArea, {0, 0, kClientWidth, 104});
  Panel10 = Panel("Panel10", Panel9, {0, 0, 560, 104});
  GroupBox2 = GroupBox("GroupBox2", QStringLiteral("Result"), Panel10, {0, 0, 560, 50});
  EditYValue = LineEditor("EditYValue", GroupBox2, {8, 16, 544, 24});
  Hint(EditYValue,
       "Result-editor: Use \"copy\" button to replace the content of the Clipboard with "
       "calculated value (i.e. result).");
  GroupBox5 = GroupBox("GroupBox5", QStringLiteral("Variable setting: X value"), Panel10,
                       {0, 50, 560, 54});
  EditXValue = LineEditor("EditXValue", GroupBox5, {8, 20, 544, 24});
  Hint(EditXValue,
       "X value-editor: Set value for variable \"x\". If no value is set, the program raises "
       "an exception.");
  Panel11 = Panel("Panel11", Panel9, {560, 0, 94, 104});
  BuildModeAndPrecision(Panel11);
}

void TF_Main_LSF::BuildModeAndPrecision(QWidget* panel) {
  ModeGroup = GroupBox("ModeGroup", QStringLiteral("Mode"), panel, {0, 0, 94, 65});
  Hint(ModeGroup, "Select to set mode for trigonometric functions.");
  ModeButtons = new QButtonGroup(this);
  for (int index = 0; index < kAngleModeCount; ++index) {
    auto* item = new QRadioButton(
        QString::fromLatin1(AngleModeName(AngleModeAt(index))), ModeGroup);
    item->setObjectName(QStringLiteral("ModeGroupItem%1").arg(index));
    // Three items in one column under the caption, as a radio group spaces them.
    item->setGeometry(8, 15 + 15 * index, 84, 15);
    Hint(item, "Select to set mode for trigonometric functions.");
    ModeButtons->addButton(item, index);
  }
  GroupBox4 = GroupBox("GroupBox4", QString(), panel, {0, 65, 94, 39});
  NumericalLabel = Label("NumericalLabel", QStringLiteral("Precision"), GroupBox4,
                         {5, 14, 44, 16});
  UpDownEdit = LineEditor("UpDownEdit", GroupBox4, {49, 12, 22, 21});
  UpDownEdit->setFont(font());
  UpDownEdit->setContextMenuPolicy(Qt::NoContextMenu);
  UpDown1 = new UpDown(*UpDownEdit, 0, 15, 1, GroupBox4);
  UpDown1->setObjectName(QStringLiteral("UpDown1"));
  UpDown1->setGeometry(71, 12, 16, 21);
  Hint(UpDownEdit, "Precision for the resultant value");
  Hint(UpDown1, "Precision for the resultant value");
  Hint(&UpDown1->UpArrow(), "Precision for the resultant value");
  Hint(&UpDown1->DownArrow(), "Precision for the resultant value");
}

void TF_Main_LSF::BuildKeypad(QWidget* lowerArea) {
  Panel8 = Panel("Panel8", lowerArea, {0, 104, kClientWidth, 244});
  GroupBox1 = GroupBox("GroupBox1", QStringLiteral("Buttons"), Panel8,
                       {0, 0, kClientWidth, 244});
  struct BlockLabel {
    const char* name;
    const char* text;
    int left;
    int right;
  };
  // Under the function block: columns 1-2, 4-5, 6 and 7; column 3 has none.
  static constexpr BlockLabel kLabels[] = {
      {"Hyperboliclb", "Hyperbolic", 8, 132},
      {"Trigonometriclb", "Trigonometric", 208, 332},
      {"Logarithmiclb", "Logarithmic", 344, 404},
      {"Algebraiclb", "Algebraic", 408, 468},
  };
  for (const BlockLabel& label : kLabels) {
    // Centred under its columns, and free to reach beyond them.
    const int centre = (label.left + label.right) / 2;
    Label(label.name, QString::fromLatin1(label.text), GroupBox1,
          {centre - 50, 212, 100, 16}, Qt::AlignHCenter | Qt::AlignTop);
  }
}

void TF_Main_LSF::BuildBottomBand(QWidget* lowerArea) {
  Panel7 = Panel("Panel7", lowerArea, {0, 348, kClientWidth, 102});
  Panel2 = Label("Panel2", QStringLiteral("Vantorel Calculator"), Panel7,
                 {0, 0, kClientWidth, 83}, Qt::AlignCenter);
  Panel2->setFont(SansSerif(kNamePlatePixels, QStringLiteral("Microsoft Sans Serif")));
  FitCaption(Panel2, Panel2->text(), kClientWidth - 24);
  QPalette silver = Panel2->palette();
  silver.setColor(QPalette::WindowText, QColor(0xC0, 0xC0, 0xC0));
  Panel2->setPalette(silver);
  Panel3 = Panel("Panel3", Panel2, {0, 0, kClientWidth, 83});
  Panel3->setAutoFillBackground(true);
  // The name plate's large silver letters are for its caption only.
  Panel3->setFont(font());
  QPalette plain = Panel3->palette();
  plain.setColor(QPalette::WindowText, palette().color(QPalette::WindowText));
  Panel3->setPalette(plain);
  ConstantScrollBox1 = new QScrollArea(Panel3);
  ConstantScrollBox1->setObjectName(QStringLiteral("ConstantScrollBox1"));
  ConstantScrollBox1->setGeometry(0, 0, kClientWidth, 83);
  ConstantScrollBox1->setFrameShape(QFrame::NoFrame);
  ConstantScrollBox1->setFocusPolicy(Qt::NoFocus);
  ConstantScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ConstantScrollBox1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  auto* content = new QWidget;
  content->setObjectName(QStringLiteral("ConstantKeys"));
  content->setFixedSize(
      kClientWidth - ConstantScrollBox1->verticalScrollBar()->sizeHint().width(),
      kConstantsContentHeight);
  for (QLabel* label :
       {UnfittedLabel("MathConstantlb", QStringLiteral("Mathematical constants"), content,
                      {8, 1, 200, 14}),
        UnfittedLabel("PhysicalConstantlb", QStringLiteral("Physical constants"), content,
                      {8, 144, 200, 14})}) {
    unfittedConstants_.emplace_back(label, label->width());
  }
  ConstantScrollBox1->setWidget(content);
  StatusBar1 = new HintBar(Panel7);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setGeometry(0, 83, kClientWidth, 19);
}

QPushButton* TF_Main_LSF::BuildKey(const KeypadKey& key, QWidget* parent) {
  auto* button = new QPushButton(Text(key.caption), parent);
  button->setObjectName(Text(key.name));
  button->setGeometry(key.place.x, key.place.y, key.place.width, key.place.height);
  button->setFocusPolicy(Qt::NoFocus);
  button->setAutoDefault(false);
  if (key.place.fontPixels > 0) button->setFont(SansSerif(key.place.fontPixels));
  if (key.place.block == KeyBlock::Constants) {
    unfittedConstants_.emplace_back(button, key.place.width - 4);
  } else {
    FitCaption(button, button->text(), key.place.width - 4);
  }
  QPalette face = button->palette();
  face.setColor(QPalette::Button, Qt::white);
  button->setPalette(face);
  // Assistive technology finds a key by its short hint; the status bar shows the long.
  button->setAccessibleName(Text(key.tooltip));
  button->setStatusTip(Text(key.status));
  const std::string name(key.name);
  connect(button, &QPushButton::clicked, this, [this, name] { KeyClick(name); });
  keys_[name] = button;
  return button;
}

void TF_Main_LSF::FitConstantsCaptions() {
  for (const auto& [control, width] : unfittedConstants_) {
    const auto* label = qobject_cast<QLabel*>(control);
    FitCaption(control, label ? label->text() : static_cast<QPushButton*>(control)->text(),
               width);
  }
  unfittedConstants_.clear();
}

void TF_Main_LSF::SetTabOrder() {
  QList<QWidget*> order = {Editory1, EditYValue, EditXValue};
  for (QAbstractButton* item : ModeButtons->buttons()) order.append(item);
  order.append(UpDownEdit);
  for (qsizetype i = 1; i < order.size(); ++i) setTabOrder(order[i - 1], order[i]);
}

}  // namespace vantorel::ui
