#include "order/systemtypes.h"

#include <algorithm>

const std::array<TSystemType, kTypeCount> kSystemTypes = {{
    {"o1c", u"\"Отопление. Одноканальная\"(измерение расхода только на подающей трубе)", u"Отопление однок.",
     1, true, true, false, true, true},
    {"oz2c", u"\"Отопление. Закрытая двухканальная\"(система с замкнутым контуром)",
     u"Отопление двухк. закр.", 2, false, false, false, true, true},
    {"oo2c", u"\"Отопление. Открытая двухканальная\"(система с отбором воды)", u"Отопление двухк. откр.", 2,
     false, false, true, true, true},
    {"oo2cr", u"\"Отопление. Открытая двухканальная c Реверсом\"(система с отбором   воды, например, ГВС)",
     u"Отопление двухк. откр. реверс", 2, false, false, true, false, false},
    {"gvs", u"\"Горячее водоснабжение.\"(ГВС-циркуляционная, не связана с системой   отопления)", u"ГВС", 2,
     false, false, false, true, true},
    {"gvst", u"\"ГВС тупиковая\"(не связана с системой отопления)", u"ГВС-тупиковая", 1, true, false, false,
     true, true},
    {"v1c", u"\"Вентиляция одноканальная\"", u"Вентиляция однок.", 1, true, true, false, true, true},
    {"v2c", u"\"Вентиляция двухканальная\"", u"Вентиляция двухк.", 2, false, false, false, true, true},
    {"r1c", u"\"Расход одноканальная\"(измерение расхода для любой системы)", u"Расход однок.", 1, true,
     false, true, true, true},
    {"r2c", u"\"Расход двухканальная\"(измерение расхода для любой системы)", u"Расход двухк.", 2, false,
     false, true, true, true},
    {"cw", u"\"Холодная вода\"", u"Холодная вода", 1, true, false, false, true, true},
}};

int TypeWalk::Next() {
    const int start = remaining_ == 0 ? type_ + 1 : type_;
    for (int t = std::max(start, 0); t < kTypeCount; ++t) {
        if (counts_[t] != 0) {
            type_ = t;
            break;
        }
    }
    if (remaining_ == 0) {
        remaining_ = type_ >= 0 ? counts_[type_] : 0;
    }
    --remaining_;
    return type_;
}
