#pragma once
// The main window: the keypad, the conversion and function banks, the entry box, the value
// boxes with their captions and the alternating picture. It owns all calculator state.

#include <QString>
#include <QTimer>
#include <array>
#include <cstdint>
#include <utility>

#include "keypad/calcs_state.h"
#include "keypad/keypad.h"
#include "nav/aerodrome_search.h"
#include "ui/caption_label.h"
#include "ui/check_button.h"
#include "ui/context_help.h"
#include "ui/form.h"
#include "ui/image_box.h"
#include "ui/text_box.h"

namespace aerlith::app {

/// The name a screen reader gives the keypad key captioned `caption`: a digit is itself, a
/// symbol is the word for what the key does ("times" for "x", "backspace" for "<").
QString SpokenKeyName(char caption);

class Calcs : public ui::Form {
    Q_OBJECT
public:
    /// `programDirectory` is where the aerodrome file and the pictures are found.
    explicit Calcs(QString programDirectory, QWidget* parent = nullptr);

    /// Starts decoding, on another thread, the picture that the window shows first, found in
    /// `programDirectory`, so that Form_Load finds it decoded. Needs the application object.
    static void DecodeFirstPictureAhead(const QString& programDirectory);
    /// The start-up sequence: builds, styles, scales and shows the window.
    void Form_Load();
    /// The closing sequence; runs at most once however many close requests arrive.
    void Form_QueryUnload();
    /// One tick of the picture timer.
    void Timer1_Timer();

    /// Hover feedback: the bank button under the pointer alone is underlined; the background
    /// (a locked button counts as background), the entry box and the value-box labels clear
    /// every underline, and so does the pointer leaving the window; the value boxes and the
    /// picture leave it as it is.
    void buttonplus1_MouseMove(int index);
    void buttonplus2_MouseMove(int index);
    void buttonplus3_MouseMove(int index);
    void Form_MouseMove();
    void Text2_MouseMove();
    void label2_MouseMove(int index);
    /// The look-up by part of a name (mode letter p): each candidate is shown in the entry box
    /// and offered in the message box; the function ends with '=' disabled.
    void LookUpByName();
    /// Distance and courses between the aerodromes named in value boxes 0 and 1 (mode letter y).
    void ComputeCrossCountry();

    /// Mouse button `button` (1 left, 2 right) released over a bank button: the right one shows
    /// the bank's help in the message box and changes nothing else.
    void buttonplus1_MouseUp(int index, int button);
    void buttonplus2_MouseUp(int index, int button);
    void buttonplus3_MouseUp(int index, int button);

    ui::TextBox& Text2() { return *text2_; }
    ui::TextBox* Text1(int index) const;
    ui::CaptionLabel* Label2(int index) const;
    ui::CheckButton* ButtonPlus1(int index) const;
    ui::CheckButton* ButtonPlus2(int index) const;
    ui::CheckButton* ButtonPlus3(int index) const;
    ui::ImageBox& Image3() { return *image3_; }
    QTimer& Timer1() { return timer1_; }

    /// Full path of a file in the program's directory.
    QString ProgramFile(const QString& name) const;
    /// The aerodrome file the searches read: "vdats.tst" in the program's directory unless
    /// another file was set.
    QString AerodromeFile() const;
    void SetAerodromeFile(QString path) { aerodromeFile_ = std::move(path); }

    /// The calculator state: entryState, modeLetter, entryHome and the rest.
    keypad::CalcsState state;

    /// The handlers of the keypad, the banks, the value boxes and the entry box.
    keypad::Keypad& Keys() { return keypad_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void LayOutKeypad();
    void LayOutConversionBank();
    void LayOutFunctionBank();
    void LayOutValueBoxes();
    void DrawShadows();
    void AttachPointerHandlers();
    /// Clears every underline, then underlines `button` (nullptr: none).
    void UnderlineOnly(ui::CheckButton* button);
    /// Accessible names and descriptions of every control, after the layout gave them their
    /// captions and tooltips.
    void NameControlsForScreenReaders();
    void ShowContextHelp(ui::HelpBank bank, int index, int button);
    /// The help of `bank` in the message box, then a redraw; the calculator is left as it was.
    void ShowBankHelp(ui::HelpBank bank, int index);

    QString programDirectory_;
    QString aerodromeFile_;
    // Member 0 of each control array and the single controls, as the window's design has them.
    ui::CheckButton* keypad0_;
    ui::CheckButton* conversion0_;
    ui::CheckButton* function0_;
    ui::TextBox* valueBox0_;
    ui::CaptionLabel* label0_;
    ui::TextBox* text2_;
    ui::ImageBox* image3_;
    QTimer timer1_;

    std::int32_t pictureCounter_ = 0;
    QString pictureName_;
    bool closing_ = false;
    NavState navState_;
    keypad::Keypad keypad_;
};

}  // namespace aerlith::app
