#include "exam/ExamCleanup.h"

#include "app/App.h"

namespace boxi {

void CloseExamWindows(App& app)
{
    app.form16.Unload();
    app.set_loader.ReleaseChoiceBank();
    app.form42.Unload();
    app.set_loader.ReleaseCaseBank();
    app.form8.Unload();
}

void SubmitExam(App& app)
{
    app.form15.Unload();
    CloseExamWindows(app);
    CloseSubmissionLock(app);
    app.form1.Show();
}

void CloseSubmissionLock(App& app)
{
    if (!app.form46.is_loaded())
        return;
    app.form46.Hide();
    app.form46.Unload();
}

}  // namespace boxi
