#include "scores/score_name_folding.h"

#include <QList>
#include <array>
#include <utility>

#include "scores/score_name_rules.h"

namespace quillan {

namespace {

// Letters with a stroke, which have no decomposition into letter and accent.
char32_t strokeLess(char32_t c) {
    constexpr std::array<std::pair<char32_t, char32_t>, 9> kStroked{{{U'Ł', U'L'},
                                                                     {U'ł', U'l'},
                                                                     {U'Đ', U'D'},
                                                                     {U'đ', U'd'},
                                                                     {U'Ħ', U'H'},
                                                                     {U'ħ', U'h'},
                                                                     {U'Ŧ', U'T'},
                                                                     {U'ŧ', U't'},
                                                                     {U'ı', U'i'}}};
    for (const auto& [stroked, plain] : kStroked) {
        if (c == stroked) {
            return plain;
        }
    }
    return 0;
}

} // namespace

QString nearestCodePageForm(const QString& typed) {
    QString out;
    for (const char32_t c : typed.toUcs4()) {
        if (inCodePage(c)) {
            out += QString::fromUcs4(&c, 1);
            continue;
        }
        if (const char32_t plain = strokeLess(c)) {
            out += QString::fromUcs4(&plain, 1);
            continue;
        }
        QString bare;
        bool fits = true;
        for (const char32_t part :
             QString::fromUcs4(&c, 1).normalized(QString::NormalizationForm_KD).toUcs4()) {
            if (QChar::category(part) == QChar::Mark_NonSpacing) {
                continue;
            }
            fits = fits && inCodePage(part);
            bare += QString::fromUcs4(&part, 1);
        }
        out += (fits && !bare.isEmpty()) ? bare : QString::fromUcs4(&c, 1);
    }
    return out;
}

} // namespace quillan
