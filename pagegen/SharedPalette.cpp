#include "SharedPalette.h"

#include <map>
#include <vector>

QPalette SharedPalette(const QPalette& palette) {
    static std::map<std::vector<QRgb>, QPalette> shared;
    std::vector<QRgb> colours;
    colours.reserve(std::size_t(QPalette::NColorGroups) * QPalette::NColorRoles);
    for (int group = 0; group < QPalette::NColorGroups; ++group)
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const QBrush& brush = palette.brush(QPalette::ColorGroup(group), QPalette::ColorRole(role));
            if (brush.style() != Qt::SolidPattern && brush.style() != Qt::NoBrush) return palette;
            colours.push_back(brush.color().rgba());
        }
    auto found = shared.find(colours);
    if (found == shared.end()) {
        // Every role set: a widget keeps the palette as given, not a copy resolved against its parent's.
        QPalette complete = palette;
        for (int group = 0; group < QPalette::NColorGroups; ++group)
            for (int role = 0; role < QPalette::NColorRoles; ++role)
                complete.setBrush(QPalette::ColorGroup(group), QPalette::ColorRole(role),
                                  palette.brush(QPalette::ColorGroup(group), QPalette::ColorRole(role)));
        found = shared.emplace(std::move(colours), complete).first;
    }
    return found->second;
}
