#include "ui/cibox.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <cmath>

#include "layout/window_math.h"
#include "ui/accessibility.h"
#include "ui/calcmodd.h"
#include "ui/caption_label.h"
#include "ui/check_button.h"
#include "ui/hover.h"
#include "ui/key_ascii.h"
#include "ui/twips.h"

namespace aerlith::ui {
namespace {

using layout::Rgb;

constexpr std::int32_t kButtonColour = Rgb(17, 68, 51);
constexpr std::int32_t kBackgroundColour = Rgb(7, 49, 89);
constexpr std::int32_t kButtonShadow = 3;
constexpr float kLongLayoutWidth = 10300;
constexpr float kLongLayoutMargin = 600;
constexpr double kTextPoints = 8;

const QString kButtons = QStringLiteral("buttonplus1");
const QString kLabels = QStringLiteral("Label1");

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

}  // namespace

Cibox::Cibox() : ModalForm(QStringLiteral("cibox")) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    // Only the thank-you window decides when the program ends.
    setAttribute(Qt::WA_QuitOnClose, false);
    // Labels come first in the tab order but take no focus, so "OK" has it when the box opens.
    auto* label0 = new CaptionLabel(this, kLabels, 0);
    auto* ok = new CheckButton(this, kButtons, 0);
    DeclareArray(*label0);
    DeclareArray(*ok);
    ConnectButton(0);
    ConnectLabel(0);
    auto* background = new PointerWatch(*this, WatchedMoves::OverBackground);
    connect(background, &PointerWatch::PointerMoved, this, &Cibox::Form_MouseMove);
    // A pointer that left the box is over none of its buttons: as over the background.
    connect(background, &PointerWatch::PointerLeft, this, &Cibox::Form_MouseMove);
}

CheckButton* Cibox::ButtonPlus1(int index) const {
    return dynamic_cast<CheckButton*>(Member(kButtons, index));
}

CaptionLabel* Cibox::Label1(int index) const {
    return dynamic_cast<CaptionLabel*>(Member(kLabels, index));
}

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
    calcmodd::State().CurrentForm = this;
    const std::size_t before = Array(kButtons).size();
    calcmodd::LoadControlArray(111);
    for (std::size_t i = before; i < Array(kButtons).size(); ++i) {
        ConnectButton(static_cast<int>(i));
    }
    calcmodd::ApplyStandardLook(*this);
    calcmodd::BoxAnswer() = 2;
}

void Cibox::LayOut(const QString& text, const QString& title) {
    calcmodd::State().CurrentForm = this;
    const std::size_t labelsBefore = Array(kLabels).size();
    calcmodd::LoadControlArray(211);
    for (std::size_t i = labelsBefore; i < Array(kLabels).size(); ++i) {
        ConnectLabel(static_cast<int>(i));
    }
    for (const int index : {0, 1}) {
        if (CheckButton* button = ButtonPlus1(index)) calcmodd::PaintButton(*button, kButtonColour);
    }
    MoveWindow(2500, 2000, 7000, 0);
    setWindowTitle(title + QStringLiteral("   "));
    // A reader announces the title and then the whole text as the box opens.
    NameForScreenReaders(*this, title.trimmed(), text.trimmed());
    if (CheckButton* ok = ButtonPlus1(0)) {
        ok->Move(2400, 500, 1000, 800);
        ok->setText(QStringLiteral("OK"));
        NameForScreenReaders(*ok, ok->text(), QStringLiteral("Yes, this one. Enter chooses it."));
    }
    calcmodd::ShowShadowCaption(Label1(0), Label1(1), 300, 100, 6400, 2100, text);
    for (const int index : {0, 1}) {
        if (CaptionLabel* label = Label1(index)) {
            StyleText(*label, Twips().width, Qt::AlignHCenter);
        }
    }
    if (CheckButton* skip = ButtonPlus1(1)) {
        skip->Move(3800, 500, 1000, 800);
        skip->setText(QStringLiteral("Skip"));
        NameForScreenReaders(*skip, skip->text(),
                             QStringLiteral("No, go on. Esc closes the box with the same answer."));
    }
    const float labelHeight = Label1(0) != nullptr ? Label1(0)->Twips().height : 0.0f;
    MoveWindow(Twips().left, Twips().top, Twips().width, labelHeight + 1300);
    MoveWindow(Twips().left, Twips().top, Twips().width, Twips().height + 400);

    longLayout_ = text.size() > kShortTextMaxLength;
    if (!longLayout_) {
        calcmodd::ScaleForm();
        calcmodd::PaintBackground(kBackgroundColour);
        for (const int index : {0, 1}) {
            if (CheckButton* button = ButtonPlus1(index)) {
                calcmodd::DrawButtonShadow(*button, kButtonShadow);
            }
        }
        if (CheckButton* ok = ButtonPlus1(0)) ok->setFocus(Qt::OtherFocusReason);
    } else {
        MoveWindow(Twips().left, Twips().top, kLongLayoutWidth, Twips().height);
        for (const int index : {0, 1}) {
            if (CheckButton* button = ButtonPlus1(index)) button->hide();
            if (CaptionLabel* label = Label1(index)) {
                StyleText(*label, Twips().width - kLongLayoutMargin, Qt::AlignLeft);
            }
        }
        // The factor is the one the previous scaling pass left (this box has not been scaled
        // yet); before any pass it is 0 and the height keeps its value.
        const float widthFactor = calcmodd::State().WidthFactor;
        const float newLabelHeight = Label1(0) != nullptr ? Label1(0)->Twips().height : 0.0f;
        if (widthFactor != 0) {
            const float height = 800.0f / widthFactor + newLabelHeight;
            if (std::isfinite(height)) MoveWindow(Twips().left, Twips().top, Twips().width, height);
        }
        calcmodd::ScaleForm();
        calcmodd::PaintBackground(kBackgroundColour);
    }
    // The labels keep fitting their text after the scaling pass enlarged their font.
    for (const int index : {0, 1}) {
        if (CaptionLabel* label = Label1(index)) AutoSizeHeight(*label);
    }
}

void Cibox::buttonplus1_Click(int index) {
    calcmodd::BoxAnswer() = index + 1;
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
    if (CheckButton* button = ButtonPlus1(index)) calcmodd::UnderlineControl(*button);
}

void Cibox::Label1_Click(int /*index*/) { close(); }

void Cibox::Form_KeyPress(int keyAscii) {
    if (keyAscii == kKeyEscape) close();
}

void Cibox::Form_MouseMove() { calcmodd::ClearUnderlines(*this); }

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

void ShowInfoBox(const QString& text, const QString& title, const QString& subject) {
    Cibox box;
    box.Form_Load();
    box.LayOut(text, title);
    // A reader speaks the box's labels as it opens (its description only when it has none).
    if (CaptionLabel* question = box.Label1(0); question != nullptr && !subject.isEmpty()) {
        question->setAccessibleName(subject.trimmed() + QLatin1Char('\n') +
                                    question->text().trimmed());
    }
    box.ShowModal();
}

}  // namespace aerlith::ui

namespace aerlith::ui::calcmodd {

std::int32_t& BoxAnswer() {
    static std::int32_t answer = 0;
    return answer;
}

}  // namespace aerlith::ui::calcmodd
