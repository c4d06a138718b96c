#pragma once

namespace model {

// The code page the data files are kept in, for a system whose ANSI code
// page is this: that code page where it is one of Windows' own ANSI code
// pages, as the files have always been written; else 932. Windows' "Unicode
// UTF-8" option makes the ANSI code page 65001, which would read every
// Japanese name in the files as damaged bytes and write new ones in a form
// older copies cannot read.
unsigned dataCodePage(unsigned systemAnsiCodePage);

}  // namespace model
