#pragma once

namespace app {

// The program's main routine: early start-up, the framework's start-up with the late
// callback that creates the window, then the event loop until the application quits.
void Main();

// The steps of start-up, in the order Main runs them.
void EarlyStartup();
void InitFileTypes();
void NewAppInstance();
void LateStartup();
void MakeDefaultView();

} // namespace app
