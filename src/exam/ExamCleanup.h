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
// the submission lock, and shows the result review.
void SubmitExam(App& app);

// Hides and unloads a submission lock still loaded. The toolbar works on
// under the lock, so an exam can end past it; a lock left behind would hand
// the exam in a second time at the right password.
void CloseSubmissionLock(App& app);

}  // namespace boxi
