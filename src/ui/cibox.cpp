#include "ui/cibox.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <cmath>

#include "layout/window_math.h"
#include "ui/accessibility.h"
#include "ui/calcmodd.h"
#include "ui/caption_label.h"
#include "ui/check_button.h"
#include "ui/control_arrays.h"
#include "ui/hover.h"
#include "ui/key_ascii.h"
#include "ui/twips.h"

namespace aerlith::ui {
namespace {

using layout::Rgb;

constexpr std::int32_t kButtonColour = Rgb(17, 68, 51);
constexpr std::int32_t kBackgroundColour = Rgb(7, 49, 89);
constexpr std::int32_t kButtonShadow = 3;
constexpr double kTextPoints = 8;

// Where the box and its controls stand before the scaling pass, in twips.
constexpr float kBoxLeft = 2500;
constexpr float kBoxTop = 2000;
constexpr float kBoxWidth = 7000;
constexpr float kButtonTop = 500;
constexpr float kButtonWidth = 1000;
constexpr float kButtonHeight = 800;
constexpr float kOkLeft = 2400;
constexpr float kSkipLeft = 3800;
constexpr std::int32_t kTextLeft = 300;
constexpr std::int32_t kTextTop = 100;
constexpr std::int32_t kTextWidth = 6400;
constexpr std::int32_t kTextHeight = 2100;
// The short layout's height below its text: the buttons' band, then a margin.
constexpr float kButtonBand = 1300;
constexpr float kBottomMargin = 400;
// The long layout: wider, the text narrower than the box by a margin, and below the text a band
// of this height divided by the width factor the previous scaling pass left.
constexpr float kLongLayoutWidth = 10300;
constexpr float kLongLayoutMargin = 600;
constexpr float kLongLayoutBand = 800;

// A label that sizes itself to its text: the width stays, the height follows the wrapped text.
void AutoSizeHeight(CaptionLabel& label) {
    const TwipsRect twips = label.Twips();
    const int heightPixels = label.heightForWidth(label.width());
    if (heightPixels < 0) return;
    label.Move(twips.left, twips.top, twips.width,
               static_cast<float>(heightPixels * TwipsPerPixelY()));
}

void StyleText(CaptionLabel& label, float widthTwips, Qt::Alignment alignment) {
    const TwipsRect twips = label.Twips();
    label.setWordWrap(true);
    label.setAlignment(alignment | Qt::AlignTop);
    label.SetFontSize(kTextPoints);
    label.Move(twips.left, twips.top, widthTwips, twips.height);
    AutoSizeHeight(label);
}

float TextHeight(const Cibox& box) {
    const CaptionLabel* text = box.Label1(0);
    return text != nullptr ? text->Twips().height : 0.0f;
}

}  // namespace

Cibox::Cibox() : ModalForm(QStringLiteral("cibox")) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // Only the thank-you window decides when the program ends.
    setAttribute(Qt::WA_QuitOnClose, false);
    // Labels come first in the tab order but take no focus, so "OK" has it when the box opens.
    auto* label0 = new CaptionLabel(this, kLabel1.Name(), 0);
    auto* ok = new CheckButton(this, kButtonPlus1.Name(), 0);
    DeclareArray(*label0);
    DeclareArray(*ok);
    ConnectButton(0);
    ConnectLabel(0);
    auto* background = new PointerWatch(*this, WatchedMoves::OverBackground);
    connect(background, &PointerWatch::PointerMoved, this, &Cibox::Form_MouseMove);
    // A pointer that left the box is over none of its buttons: as over the background.
    connect(background, &PointerWatch::PointerLeft, this, &Cibox::Form_MouseMove);
}

CheckButton* Cibox::ButtonPlus1(int index) const { return FindControl(*this, kButtonPlus1, index); }

CaptionLabel* Cibox::Label1(int index) const { return FindControl(*this, kLabel1, index); }

QString Cibox::Text() const {
    const CaptionLabel* label = Label1(0);
    return label != nullptr ? label->text() : QString();
}

void Cibox::ConnectButton(int index) {
    CheckButton* button = ButtonPlus1(index);
    if (button == nullptr) return;
    connect(button, &QPushButton::clicked, this, [this, index] { buttonplus1_Click(index); });
    connect(button, &CheckButton::KeyTyped, this,
            [this, index](int keyAscii) { buttonplus1_KeyPress(index, keyAscii); });
    connect(button, &CheckButton::PointerMoved, this,
            [this, index] { buttonplus1_MouseMove(index); });
}

void Cibox::ConnectLabel(int index) {
    CaptionLabel* label = Label1(index);
    if (label == nullptr) return;
    connect(label, &CaptionLabel::Clicked, this, [this, index] { Label1_Click(index); });
}

void Cibox::Form_Load() {
    const std::size_t before = Array(kButtonPlus1.Name()).size();
    calcmodd::LoadControlArray(*this, calcmodd::kLoadSkipButton);
    for (std::size_t i = before; i < Array(kButtonPlus1.Name()).size(); ++i) {
        ConnectButton(static_cast<int>(i));
    }
    calcmodd::ApplyStandardLook(*this);
    boxAnswer_ = kBoxSkip;
}

void Cibox::LayOut(const QString& text, const QString& title) {
    AddTextShadow();
    PaintButtons();
    PlaceBox(text, title);
    PlaceButton(0, kOkLeft, QStringLiteral("OK"),
                QStringLiteral("Yes, this one. Enter chooses it."));
    ShowText(text);
    PlaceButton(1, kSkipLeft, QStringLiteral("Skip"),
                QStringLiteral("No, go on. Esc closes the box with the same answer."));
    FitHeightToText();
    longLayout_ = text.size() > kShortTextMaxLength;
    if (!longLayout_) {
        FinishShortLayout();
    } else {
        FinishLongLayout();
    }
    FitLabelsToText();
}

void Cibox::AddTextShadow() {
    const std::size_t labelsBefore = Array(kLabel1.Name()).size();
    calcmodd::LoadControlArray(*this, calcmodd::kLoadTextShadow);
    for (std::size_t i = labelsBefore; i < Array(kLabel1.Name()).size(); ++i) {
        ConnectLabel(static_cast<int>(i));
    }
}

void Cibox::PaintButtons() {
    for (const int index : {0, 1}) {
        if (CheckButton* button = ButtonPlus1(index)) calcmodd::PaintButton(*button, kButtonColour);
    }
}

void Cibox::PlaceBox(const QString& text, const QString& title) {
    MoveWindow(kBoxLeft, kBoxTop, kBoxWidth, 0);
    setWindowTitle(title + QStringLiteral("   "));
    // A reader announces the title and then the whole text as the box opens.
    NameForScreenReaders(*this, title.trimmed(), text.trimmed());
}

void Cibox::PlaceButton(int index, float left, const QString& caption, const QString& description) {
    CheckButton* button = ButtonPlus1(index);
    if (button == nullptr) return;
    button->Move(left, kButtonTop, kButtonWidth, kButtonHeight);
    button->setText(caption);
    NameForScreenReaders(*button, button->text(), description);
}

void Cibox::ShowText(const QString& text) {
    calcmodd::ShowShadowCaption(Label1(0), Label1(1), kTextLeft, kTextTop, kTextWidth, kTextHeight,
                                text);
    for (const int index : {0, 1}) {
        if (CaptionLabel* label = Label1(index)) {
            StyleText(*label, Twips().width, Qt::AlignHCenter);
        }
    }
}

void Cibox::FitHeightToText() {
    MoveWindow(Twips().left, Twips().top, Twips().width, TextHeight(*this) + kButtonBand);
    MoveWindow(Twips().left, Twips().top, Twips().width, Twips().height + kBottomMargin);
}

void Cibox::FinishShortLayout() {
    calcmodd::ScaleForm(*this);
    calcmodd::PaintBackground(*this, kBackgroundColour);
    for (const int index : {0, 1}) {
        if (CheckButton* button = ButtonPlus1(index)) {
            calcmodd::DrawButtonShadow(*this, *button, kButtonShadow);
        }
    }
    if (CheckButton* ok = ButtonPlus1(0)) ok->setFocus(Qt::OtherFocusReason);
}

void Cibox::FinishLongLayout() {
    MoveWindow(Twips().left, Twips().top, kLongLayoutWidth, Twips().height);
    for (const int index : {0, 1}) {
        if (CheckButton* button = ButtonPlus1(index)) button->hide();
        if (CaptionLabel* label = Label1(index)) {
            StyleText(*label, Twips().width - kLongLayoutMargin, Qt::AlignLeft);
        }
    }
    // The factor is the one the previous scaling pass left (this box has not been scaled yet);
    // before any pass it is 0 and the height keeps its value.
    const float widthFactor = calcmodd::State().WidthFactor;
    if (widthFactor != 0) {
        const float height = kLongLayoutBand / widthFactor + TextHeight(*this);
        if (std::isfinite(height)) MoveWindow(Twips().left, Twips().top, Twips().width, height);
    }
    calcmodd::ScaleForm(*this);
    calcmodd::PaintBackground(*this, kBackgroundColour);
}

void Cibox::FitLabelsToText() {
    // The labels keep fitting their text after the scaling pass enlarged their font.
    for (const int index : {0, 1}) {
        if (CaptionLabel* label = Label1(index)) AutoSizeHeight(*label);
    }
}

void Cibox::buttonplus1_Click(int index) {
    boxAnswer_ = index + 1;
    close();
}

void Cibox::buttonplus1_KeyPress(int index, int keyAscii) {
    // Esc is tested first, so it only closes.
    if (keyAscii == kKeyEscape) {
        close();
    } else if (keyAscii == kKeyEnter) {
        buttonplus1_Click(index);
    }
}

void Cibox::buttonplus1_MouseMove(int index) {
    if (CheckButton* button = ButtonPlus1(index)) UnderlineControl(*button);
}

void Cibox::Label1_Click(int /*index*/) { close(); }

void Cibox::Form_KeyPress(int keyAscii) {
    if (keyAscii == kKeyEscape) close();
}

void Cibox::Form_MouseMove() { ClearUnderlines(*this); }

void Cibox::Form_QueryUnload() { Unload(); }

void Cibox::keyPressEvent(QKeyEvent* event) {
    if (const auto keyAscii = KeyAsciiOf(*event)) {
        Form_KeyPress(*keyAscii);
        return;
    }
    ModalForm::keyPressEvent(event);
}

void Cibox::closeEvent(QCloseEvent* event) {
    Form_QueryUnload();
    event->accept();
}

std::int32_t ShowInfoBox(const QString& text, const QString& title, const QString& subject) {
    Cibox box;
    box.Form_Load();
    box.LayOut(text, title);
    // A reader speaks the box's labels as it opens (its description only when it has none).
    if (CaptionLabel* question = box.Label1(0); question != nullptr && !subject.isEmpty()) {
        question->setAccessibleName(subject.trimmed() + QLatin1Char('\n') +
                                    question->text().trimmed());
    }
    box.ShowModal();
    return box.BoxAnswer();
}

}  // namespace aerlith::ui
