// The template writer behind Emit.
#include <cassert>

#include "translator/emit.h"

void EmitHoles(std::string_view tmpl, const Hole* holes, std::size_t count) {
    std::size_t next = 0;
    for (;;) {
        std::size_t percent = tmpl.find('%');
        if (percent == std::string_view::npos || percent + 1 == tmpl.size()) break;
        WriteText(tmpl.substr(0, percent));
        char kind = tmpl[percent + 1];
        assert(next < count && (kind == 'd') == holes[next].isNumber);
        (void)count;
        const Hole& hole = holes[next++];
        if (kind == 'd')
            WriteNumber(hole.number);
        else
            WriteText(hole.text);
        tmpl.remove_prefix(percent + 2);
    }
    WriteText(tmpl);
}
