// The one application object. Its construction sets up the framework's
// module state first (and with it the ANSI code page of the C runtime).
#include "shell/convert_app.h"

CConvertApp theApp;
