#include "pagefilename.h"

std::string PageFileName(const std::string &textPath)
{
    const std::size_t slash = textPath.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t dot = textPath.rfind('.');
    if (dot != std::string::npos && dot > nameStart)
        return textPath.substr(0, dot + 1) + "htm";
    return textPath + ".htm";
}
