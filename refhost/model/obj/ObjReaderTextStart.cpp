#include "refhost/model/obj/ObjReaderTextStart.h"

#include "refhost/model/obj/ObjTokens.h"
#include "refhost/text/TextLines.h"

namespace refhost {
namespace {

// Every statement keyword of the format, geometry, free-form, grouping and
// display alike, as a file may begin with any of them.
constexpr std::string_view kObjKeywords[] = {
    "v",         "vt",    "vn",       "vp",       "cstype", "deg",    "bmat",   "step",
    "p",         "l",     "f",        "curv",     "curv2",  "surf",   "parm",   "trim",
    "hole",      "scrv",  "sp",       "end",      "con",    "g",      "s",      "mg",
    "o",         "bevel", "c_interp", "d_interp", "lod",    "usemtl", "mtllib", "shadow_obj",
    "trace_obj", "ctech", "stech",    "call",     "csh",    "maplib", "usemap", "bzp",
    "bsp",       "cdc",   "cdp",      "res"};

bool IsObjKeyword(std::string_view word) {
  for (std::string_view keyword : kObjKeywords)
    if (word == keyword) return true;
  return false;
}

}  // namespace

bool StartsAsObjText(std::string_view head) {
  if (head.find('\0') != std::string_view::npos) return false;
  if (head.substr(0, kByteOrderMark.size()) == kByteOrderMark)
    head.remove_prefix(kByteOrderMark.size());
  std::size_t start = 0;
  while (start < head.size() && (IsObjBlank(head[start]) || head[start] == '\n')) ++start;
  const std::size_t end = head.find('\n', start);
  // No word: a comment, or text of blank lines alone, an OBJ model of no objects.
  const std::string_view word = ObjTokens(head.substr(start, end - start)).Next();
  return word.empty() || IsObjKeyword(word);
}

}  // namespace refhost
