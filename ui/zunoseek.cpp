// The program: the application object, the main window and the three windows
// that start-up makes and keeps hidden, then the message loop.

#include "about/splash_win.h"
#include "platform/system_library.h"
#include "ui/form1.h"
#include "viewers/show_help.h"
#include "viewers/show_readme.h"
#include "widgets/application.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
  RestrictLibrarySearchToSystemFolder();
  TApplication app;
  app.CreateForm<TForm1>();
  app.CreateForm<TForm2>();
  app.CreateForm<TShowHelpForm>();
  app.CreateForm<TShowReadmeForm>();
  app.Run(showCommand);
  app.DestroyForms();
  return 0;
}
