// TempDir is defined in its header; this file keeps the build lists that name it.
#include "support/temp_dir.h"
