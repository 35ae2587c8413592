// The program's one application object.
#include "tweaker_app.h"

CTweakerApp theApp;
