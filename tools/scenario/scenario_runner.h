#pragma once
// Runs scenario commands against the real main window through real input events.

#include <QPointer>
#include <deque>
#include <iosfwd>
#include <string>

#include "scenario/scenario_parser.h"
#include "ui/modal_form.h"

namespace aerlith::app {
class Calcs;
}

namespace aerlith::scenario {

class ScenarioRunner {
public:
    ScenarioRunner(app::Calcs& calcs, std::ostream& out, std::string startDirectory);

    /// Runs every line of `script`. Returns the exit status: 0 at the end of the script or when
    /// the program ended, 2 at the first line that cannot be understood.
    int Run(std::istream& script);

    /// The program asked to end: print `exit` and read no further command.
    void ProgramEnded();
    /// The program asked to open a web address.
    void WebAddressOpened(const std::string& address);
    /// A modal window was shown: print its `modal:` line and answer it from inside its wait
    /// with the queued replies, closing it by its close box when none is left.
    void ModalShown(ui::Form& modal);

private:
    // One function per command; each acts through real input events and lets the event queue
    // settle before it returns.
    void Do(const Press& press);
    void Do(const Alt& alt);
    void Do(const Type& type);
    void Do(const RightClick& click);
    void Do(const Hover& hover);
    void Do(const Answer& answer);
    void Do(const Tick& tick);
    void Do(const Close& close);
    void Do(const Shot& shot);
    void Do(const Show& show);

    // The line each `show` prints.
    std::string BoxLine(int index) const;
    std::string StateLine() const;
    std::string EnabledLine() const;
    std::string UnderlineLine() const;
    std::string GeometryLine(const std::string& name) const;

    void AnswerModal(const QPointer<ui::ModalForm>& modal);
    void ApplyReply(ui::ModalForm& modal, Reply reply);
    void Settle(int milliseconds = 0);
    void PrintLine(const std::string& line);

    app::Calcs& calcs_;
    std::ostream& out_;
    std::string startDirectory_;
    bool ended_ = false;
    std::deque<Reply> replies_;
};

/// A text as printed: between brackets, carriage returns as \r and line feeds as \n.
std::string Bracketed(const std::string& text);

}  // namespace aerlith::scenario
