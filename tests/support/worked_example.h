// The 2 x 1 32-bit image of the format description, named image_pic, and the
// C source it must give: pixel 0 red with alpha 0x80, pixel 1 white.
#pragma once

namespace zandrel::test {

inline constexpr char kWorkedExampleText[] =
    "// bitmap image for PSP\r\n"
    "// width = 2, height = 1\r\n"
    "const unsigned short image_pic[]={\r\n"
    "0x001F,0x7FFF,\r\n"
    "};\r\n"
    "\r\n"
    "\r\n"
    "const unsigned char image_pic_alpha[]={\r\n"
    "0x80,0xFF,\r\n"
    "};\r\n";

}  // namespace zandrel::test
