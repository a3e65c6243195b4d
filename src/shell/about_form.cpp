#include "shell/about_form.h"

#include "shell/about_logo.h"
#include "shell/window_font.h"

#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <memory>

namespace vantorel::shell {
namespace {

constexpr QSize kClientSize(352, 166);

QLabel* PlaceLabel(QWidget* panel, const char* name, const QString& text, QPoint topLeft,
                   const QFont& font) {
  auto* label = new QLabel(text, panel);
  label->setObjectName(name);
  label->setFont(font);
  label->move(topLeft);
  label->adjustSize();
  return label;
}

// The product name must end inside the box even where the desktop's sans-serif font runs
// wider than the one the box was laid out for: such a font is narrowed just enough.
void FitWidth(QLabel* label, int room) {
  QFont font = label->font();
  for (int stretch = 99; label->width() > room && stretch >= 70; --stretch) {
    font.setStretch(stretch);
    label->setFont(font);
    label->adjustSize();
  }
}

void PaintNavy(QLabel* label) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, QColor(0, 0, 128));
  label->setPalette(palette);
}

}  // namespace

TAboutForm::TAboutForm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowStaysOnTopHint) {
  setObjectName("AboutForm");
  setWindowTitle("About VantorelCalc");
  setFont(WindowFont());
  setFixedSize(kClientSize);

  Panel2 = new QFrame(this);
  Panel2->setObjectName("Panel2");
  Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
  Panel2->setGeometry(QRect(QPoint(0, 0), kClientSize));

  Image1 = new QLabel(Panel2);
  Image1->setObjectName("Image1");
  Image1->setGeometry(4, 4, 170, 49);
  Image1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  Image1->setAttribute(Qt::WA_TranslucentBackground);
  Image1->setPixmap(DrawAboutLogo());

  BuildLabels();

  Button1 = new QPushButton("&Ok", Panel2);
  Button1->setObjectName("Button1");
  Button1->setGeometry(297, 128, 47, 30);
  connect(Button1, &QPushButton::clicked, this, &TAboutForm::FormClick);

  BindClicks();
  CentreOnScreen();
}

void TAboutForm::BuildLabels() {
  QFont productFont = SansFont(21);
  productFont.setBold(true);
  Label1 = PlaceLabel(Panel2, "Label1", "VantorelCalc", {218, 8}, productFont);
  FitWidth(Label1, kClientSize.width() - 1 - Label1->x());
  Label10 = PlaceLabel(Panel2, "Label10", "version 2.1.56", {244, 32}, SizedFont(13));
  Label9 = PlaceLabel(Panel2, "Label9", "The Vantorel developers", {10, 51}, SizedFont(16));
  Label2 = PlaceLabel(Panel2, "Label2", "On the web:", {10, 75}, WindowFont());
  Label6 = PlaceLabel(Panel2, "Label6", "https://vantorel.example.org/", {10, 91}, WindowFont());
  Label5 = PlaceLabel(Panel2, "Label5", "Free to use, to study and to share.", {10, 114},
                      SizedFont(12));
  Label8 = PlaceLabel(Panel2, "Label8", "Vantorel calculator workshop", {10, 130}, SizedFont(12));
  Label7 = PlaceLabel(Panel2, "Label7", "\u00A9 2026. All rights reserved.", {10, 146},
                      SizedFont(12));
  for (QLabel* label : {Label5, Label8, Label7}) PaintNavy(label);
}

void TAboutForm::BindClicks() {
  closesOnClick_ = {Panel2, Label1, Label9, Label2, Label6, Label5, Label8, Label7};
  // Without a filter these two would pass a click on to the panel under them.
  ignoresClick_ = {Image1, Label10};
  for (QObject* target : closesOnClick_) target->installEventFilter(this);
  for (QObject* target : ignoresClick_) target->installEventFilter(this);
}

void TAboutForm::CentreOnScreen() {
  QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  move(area.center() - QPoint(width() / 2, height() / 2));
}

void TAboutForm::FormClick() { close(); }

bool TAboutForm::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  const bool mouse = type == QEvent::MouseButtonPress || type == QEvent::MouseButtonRelease ||
                     type == QEvent::MouseButtonDblClick;
  if (!mouse) return QDialog::eventFilter(watched, event);
  if (ignoresClick_.contains(watched)) return true;
  if (!closesOnClick_.contains(watched)) return QDialog::eventFilter(watched, event);
  // A click is a left press and release on the same element, as a button's is.
  const auto* mouseEvent = static_cast<QMouseEvent*>(event);
  auto* widget = static_cast<QWidget*>(watched);
  if (type == QEvent::MouseButtonRelease && mouseEvent->button() == Qt::LeftButton &&
      widget->rect().contains(mouseEvent->position().toPoint())) {
    FormClick();
  }
  return true;
}

void ShowAboutBox(QWidget* mainWindow) {
  std::unique_ptr<TAboutForm> box(new TAboutForm(mainWindow));
  box->exec();
}

}  // namespace vantorel::shell
