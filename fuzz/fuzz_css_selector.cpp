// The selectors of the CSS check's cascade: any bytes, read as a selector list, parse to
// selectors whose matching against any open elements ends, within bounds, and agrees with what a
// selector's compounds allow (a selector that matches needs its rightmost type).
#include "font_tools/css_cascade.h"
#include "fuzz_support.h"

#include <string>
#include <string_view>
#include <vector>

using namespace typecask;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // The first line is the selector list; each later line is one open element, from the root
    // down: "name id class1 class2 ..." with attribute names after a "["; a line that begins
    // with "+" is an element before the next one under the same parent.
    const std::size_t firstEnd = input.find('\n');
    const std::vector<CssSelector> selectors = CssSelector::parseList(input.substr(0, firstEnd));
    std::vector<CascadeElement> path;
    CascadeSiblings siblings(1);
    for (std::size_t at = firstEnd; at != std::string_view::npos && at < input.size() && path.size() < 64;) {
        const std::size_t end = input.find('\n', at + 1);
        const std::string_view line =
            input.substr(at + 1, end == std::string_view::npos ? end : end - at - 1);
        at = end;
        CascadeElement e;
        const bool sibling = !line.empty() && line[0] == '+';
        std::size_t word = sibling ? 1 : 0;
        bool attributes = false;
        for (std::size_t i = 0; i <= line.size(); ++i) {
            if (i < line.size() && line[i] != ' ')
                continue;
            const std::string w(line.substr(word, i - word));
            word = i + 1;
            if (w.empty())
                continue;
            if (w == "[")
                attributes = true;
            else if (attributes)
                e.attributes.emplace_back(w, w);
            else if (e.name.empty())
                e.name = w;
            else if (e.id.empty())
                e.id = w;
            else
                e.classes += (e.classes.empty() ? " " : "") + w + ' ';
        }
        e.lang = path.empty() ? std::string("ja") : path.back().lang;
        e.index = siblings.back().size();
        siblings.back().push_back(e);
        if (sibling)
            continue;
        path.push_back(std::move(e));
        siblings.emplace_back();
    }
    siblings.resize(path.size());
    for (const CssSelector& s : selectors) {
        for (std::size_t at = 0; at < path.size(); ++at) {
            int budget = 100000;
            if (s.matches(path, at, budget, &siblings)) {
                FUZZ_CHECK(!s.neverMatches());
                FUZZ_CHECK(s.keyTag().empty() || s.keyTag() == path[at].name);
                FUZZ_CHECK(s.keyId().empty() || s.keyId() == path[at].id);
                FUZZ_CHECK(s.keyClass().empty() || path[at].hasClass(s.keyClass()));
            }
        }
    }
    return 0;
}
