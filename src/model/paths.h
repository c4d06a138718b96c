#pragma once

#include <string>
#include <string_view>

namespace model {

// The folder holding a file, from the file's full path: "C:\Tools" for
// "C:\Tools\Noctaris.exe", and "C:\" for "C:\Noctaris.exe", since "C:"
// alone means the current folder of drive C.
std::string folderOfFile(std::string_view path);

// The last component of a path without its extension (from the last period
// of that component on): "report" for "C:\a\report.txt"; empty for a drive
// root such as "C:\", whose last component is empty.
std::string baseName(std::string_view path);

// A name inside a folder, with one separator between them also when the
// folder is a drive root such as "C:\".
std::string inFolder(std::string_view folder, std::string_view name, char separator);

}  // namespace model
