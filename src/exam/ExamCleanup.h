#pragma once

namespace boxi {

class App;

// The end of an exam, shared by the progress page, the result review and
// the submission lock.

// Unloads the task window, the toolbar (which stops the countdown) and the
// portal, and releases both banks, so the next exam and the next review
// load their set afresh. Every other window stays as it is: the choice
// window, the steps window, the alarm, the case chooser, the mode choice.
void CloseExamWindows(App& app);

// The submission: unloads the progress page, closes the exam windows and
// shows the result review.
void SubmitExam(App& app);

}  // namespace boxi
