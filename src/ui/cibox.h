#pragma once
// The message and choice box: a title, a block of text and, for a short text, the push buttons
// "OK" and "Skip". It is laid out afresh and shown modally for every message; the choice is
// what showing it returns.

#include <QString>
#include <cstdint>

#include "ui/modal_form.h"

namespace aerlith::ui {

class CaptionLabel;
class CheckButton;

/// Texts of at most this many characters get the short layout with "OK" and "Skip"; longer
/// ones the long layout: a wider box, left-aligned text and no buttons.
inline constexpr qsizetype kShortTextMaxLength = 70;

/// The box's answers: "OK"; "Skip", which is also the answer of every other way of closing it.
inline constexpr std::int32_t kBoxOk = 1;
inline constexpr std::int32_t kBoxSkip = 2;

class Cibox : public ModalForm {
    Q_OBJECT
public:
    /// The box as designed: "OK" (buttonplus1(0)) and one label (Label1(0)), not yet loaded.
    Cibox();

    /// The load handler: adds the "Skip" button, applies the standard look, BoxAnswer := Skip.
    void Form_Load();
    /// Adds the shadow label and lays the box out for `text` under the caption `title` + three
    /// blanks, short or long by the length of `text`; scales, centres and paints it.
    void LayOut(const QString& text, const QString& title);

    /// Member `index` of the buttons (0 "OK", 1 "Skip") or of the labels; nullptr if absent.
    CheckButton* ButtonPlus1(int index) const;
    CaptionLabel* Label1(int index) const;

    /// The text the box shows.
    QString Text() const;
    /// True when the box was laid out without buttons.
    bool IsLongLayout() const { return longLayout_; }
    /// The box's record of its answer: kBoxSkip from its load on, kBoxOk once "OK" is chosen.
    std::int32_t BoxAnswer() const { return boxAnswer_; }

    void buttonplus1_Click(int index);
    void buttonplus1_KeyPress(int index, int keyAscii);
    void buttonplus1_MouseMove(int index);
    void Label1_Click(int index);
    void Form_KeyPress(int keyAscii);
    void Form_MouseMove();
    /// The close request: unloads the box; later requests have no effect.
    void Form_QueryUnload();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void ConnectButton(int index);
    void ConnectLabel(int index);

    // The steps of LayOut, in order.
    void AddTextShadow();
    void PaintButtons();
    void PlaceBox(const QString& text, const QString& title);
    void PlaceButton(int index, float left, const QString& caption, const QString& description);
    void ShowText(const QString& text);
    void FitHeightToText();
    void FinishShortLayout();
    void FinishLongLayout();
    void FitLabelsToText();

    bool longLayout_ = false;
    std::int32_t boxAnswer_ = 0;
};

/// Builds the box for `text` under `title`, shows it modally and returns its answer once it is
/// closed: kBoxOk for "OK", kBoxSkip for "Skip" or any other way of closing. `subject`, when
/// given, is what the question is about, shown elsewhere (the candidate in the entry box): a
/// screen reader reads it first, then the text.
std::int32_t ShowInfoBox(const QString& text, const QString& title,
                         const QString& subject = QString());

}  // namespace aerlith::ui
