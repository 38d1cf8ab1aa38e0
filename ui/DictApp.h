// CDictApp: Zeto's application object. Its InitInstance runs the main
// dialog modally and returns false, so the process ends with the dialog.
#pragma once
#include "framework/App.h"

class CDictApp : public CWinApp {
public:
    bool InitInstance() override;
};

extern CDictApp theApp;
