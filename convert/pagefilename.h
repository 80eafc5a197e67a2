#pragma once

#include <string>

// The page's path for a text's path: the text's folder and name with the
// extension "htm". The extension is what follows the last "." of the file
// name, unless that "." begins the name; a name without one gets ".htm"
// appended. Only "/" separates folders.
std::string PageFileName(const std::string &textPath);
