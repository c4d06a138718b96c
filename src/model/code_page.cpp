#include "model/code_page.h"

#include <algorithm>
#include <iterator>

namespace model {
namespace {

// Thai; Japanese, Simplified Chinese, Korean, Traditional Chinese; Central
// European to Vietnamese.
constexpr unsigned kWindowsAnsiCodePages[] = {874, 932, 936, 949, 950, 1250, 1251, 1252, 1253, 1254, 1255, 1256, 1257, 1258};
constexpr unsigned kJapanese = 932;

}  // namespace

unsigned dataCodePage(unsigned systemAnsiCodePage)
{
    const bool windowsOwn = std::find(std::begin(kWindowsAnsiCodePages), std::end(kWindowsAnsiCodePages),
                                      systemAnsiCodePage) != std::end(kWindowsAnsiCodePages);
    return windowsOwn ? systemAnsiCodePage : kJapanese;
}

}  // namespace model
