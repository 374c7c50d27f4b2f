#pragma once

#include "access_practice/AccessSetChooser.h"
#include "access_practice/Form27.h"
#include "access_practice/Form36.h"
#include "access_practice/Form51.h"
#include "cases/Form10.h"
#include "cases/Form16.h"
#include "cases/Form31.h"
#include "cases/SetLoading.h"
#include "common/Module1.h"
#include "drill/DrillChooser.h"
#include "drill/Form38.h"
#include "drill/Form6.h"
#include "exam/Form1.h"
#include "exam/Form12.h"
#include "exam/Form13.h"
#include "exam/Form14.h"
#include "exam/Form15.h"
#include "exam/Form17.h"
#include "exam/Form18.h"
#include "exam/Form26.h"
#include "exam/Form42.h"
#include "exam/Form43.h"
#include "exam/Form44.h"
#include "exam/Form45.h"
#include "exam/Form46.h"
#include "exam/Form59.h"
#include "exam_choice/Form20.h"
#include "platform/Platform.h"
#include "shell/Form2.h"
#include "shell/Form60.h"
#include "shell/Form7.h"
#include "shell/Form8.h"
#include "shell/Form9.h"
#include "ui/Runtime.h"
#include "unit_tests/Form3.h"
#include "unit_tests/Form4.h"

namespace boxi {

// The whole program: its window system, the program-wide data and one
// instance of every window class, all living for the whole run. Windows
// reach each other and Module1 through it.
class App {
public:
    explicit App(platform::Platform& platform);
    App(const App&) = delete;
    App& operator=(const App&) = delete;

    ui::Runtime& runtime() { return runtime_; }
    platform::Platform& platform() { return runtime_.platform(); }

    // Program start: load and show the portal.
    void Start();

    // Fills the question table for CurrentSetName, the case chooser's name
    // (reading it loads the chooser when it is not loaded).
    void LoadCurrentSet(SetLoadUse use);

private:
    ui::Runtime runtime_;

public:
    Module1 m;
    SetLoader set_loader;

    Form8 form8{*this};
    Form60 form60{*this};
    Form2 form2{*this};
    Form7 form7{*this};
    Form9 form9{*this};
    Form10 form10{*this};
    Form16 form16{*this};
    Form31 form31{*this};
    Form59 form59{*this};
    Form43 form43{*this};
    Form12 form12{*this};
    Form13 form13{*this};
    Form14 form14{*this};
    Form26 form26{*this};
    Form4 form4{*this};
    Form3 form3{*this};
    Form6 form6{*this};
    Form38 form38{*this};
    DrillChooser drill_chooser{*this};
    Form42 form42{*this};
    Form17 form17{*this};
    Form18 form18{*this};
    Form15 form15{*this};
    Form1 form1{*this};
    Form46 form46{*this};
    Form44 form44{*this};
    Form45 form45{*this};
    Form20 form20{*this};
    AccessSetChooser access_set_chooser{*this};
    Form36 form36{*this};
    Form51 form51{*this};
    Form27 form27{*this};
};

}  // namespace boxi
