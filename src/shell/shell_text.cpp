// The program's texts, in code page 932.
#include "shell/shell_text.h"

#include "zandrel_version.h"

const char kProgramTitle[] = "Zandrel " ZANDREL_VERSION;
const char kCopyrightLine[] = "Copyright (C) 2026 Zandrel project";

const char kConvertedText[] = "データを書き出しました";
const char kWriteFailedText[] = "データを書き出せませんでした";
const char kRefusedText[] = "8/24/32bpp のビットマップファイルをドラッグ＆ドロップしてください";
