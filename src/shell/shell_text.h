// The program's texts. Stored in the ANSI code page (932): this folder is
// compiled with the execution character set CP932.
#pragma once

// The title with the version: the main dialog's caption and the first line
// of the About box.
extern const char kProgramTitle[];
// The About box's second line.
extern const char kCopyrightLine[];

// The message boxes of a drop.
extern const char kConvertedText[];     // the file was converted
extern const char kWriteFailedText[];   // the file was read but its output could not be written
extern const char kRefusedText[];       // the file is no bitmap we convert
