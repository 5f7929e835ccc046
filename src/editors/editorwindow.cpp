#include "editorwindow.h"
