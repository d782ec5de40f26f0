#include "mainwnd/title_file_keeper.h"

#include <string>

#include "app/text_format.h"
#include "resource.h"
#include "titles/builtin_titles.h"

namespace blenker {

void TitleFileKeeper::Load(TitleList& titles) const {
    const std::string name = m_site.Text(IDS_TITLE_FILE);
    if (LoadTitleFile(name, titles, m_open)) {
        return;
    }
    m_site.TellCreated(FillFormat(m_site.Text(IDS_FILE_CREATED), {name, name}));
    for (const char* title : kBuiltinTitles) {
        titles.Insert(title);
    }
}

bool TitleFileKeeper::Save(const TitleList& titles) const {
    const std::string name = m_site.Text(IDS_TITLE_FILE);
    const auto replace = [this](const std::string& from, const std::string& to) {
        return m_site.Replace(from, to);
    };
    if (SaveTitleFile(name, titles, replace)) {
        return true;
    }
    m_site.TellSaveFailed(FillFormat("The file '%s' couldn't been updated !", {name}));
    return false;
}

}  // namespace blenker
