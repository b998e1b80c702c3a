# Writes a C++ source that holds files as byte arrays, found by file name through
# BuiltInTexts::find. Run as a script: cmake -DOUTPUT=file.cpp -DFILES="a;b" -P EmbedFiles.cmake
set(arrays "")
set(entries "")
set(index 0)
foreach(path IN LISTS FILES)
    get_filename_component(name ${path} NAME)
    file(READ ${path} bytes HEX)
    string(LENGTH "${bytes}" digits)
    math(EXPR length "${digits} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${bytes}")
    string(APPEND arrays "constexpr char file${index}[] = {${bytes}};\n")
    string(APPEND entries "        {\"${name}\", {file${index}, ${length}}},\n")
    math(EXPR index "${index} + 1")
endforeach()
file(WRITE ${OUTPUT}.new "// Generated from the packed language files; do not edit.
#include \"BuiltInTexts.h\"

#include <array>
#include <utility>

namespace quorvex {

namespace {

${arrays}
}  // namespace

std::optional<std::string_view> BuiltInTexts::find(std::string_view fileName) {
    static constexpr std::array<std::pair<std::string_view, std::string_view>, ${index}> files{{
${entries}    }};
    for (const auto& [name, bytes] : files)
        if (name == fileName) return bytes;
    return std::nullopt;
}

}  // namespace quorvex
")
file(COPY_FILE ${OUTPUT}.new ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.new)
