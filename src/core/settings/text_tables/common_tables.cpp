// Common buttons, language names and the map window.

#include "core/settings/text_tables/text_table_data.h"

namespace direvovu::text_tables {
namespace {

// Ok, Cancel, Open, Save, Search, Close.
constexpr std::string_view kButtonsKo[] = {"확인", "취소", "열기", "저장", "검색", "닫기"};
constexpr std::string_view kButtonsEn[] = {"Ok", "Cancel", "Open", "Save", "Search", "Close"};
constexpr std::string_view kButtonsJa[] = {"OK", "キャンセル", "開く", "保存", "検索", "閉じる"};
constexpr std::string_view kButtonsZhHans[] = {"确定", "取消", "打开", "保存", "搜索", "关闭"};
constexpr std::string_view kButtonsRu[] = {"ОК", "Отмена", "Открыть", "Сохранить", "Поиск", "Закрыть"};
constexpr std::string_view kButtonsZhHant[] = {"確定", "取消", "開啟", "儲存", "搜尋", "關閉"};
constexpr std::string_view kButtonsPtBr[] = {"OK", "Cancelar", "Abrir", "Salvar", "Pesquisar", "Fechar"};

// Each language under its own name, whatever language the program speaks.
constexpr std::string_view kLanguageList[] = {
    "한국어", "ENGLISH", "日本語", "汉语", "Русский", "正體中文", "Portugues BR",
};

// Title, address label.
constexpr std::string_view kMapKo[] = {"지도 보기", "주소:"};
constexpr std::string_view kMapEn[] = {"Map View", "Address:"};
constexpr std::string_view kMapJa[] = {"地図表示", "住所："};
constexpr std::string_view kMapZhHans[] = {"地图显示", "地址："};
constexpr std::string_view kMapRu[] = {"Карта", "Адрес:"};
constexpr std::string_view kMapZhHant[] = {"地圖顯示", "地址："};
constexpr std::string_view kMapPtBr[] = {"Visualizar Mapa", "Endereço:"};

}  // namespace

constexpr TableData kCommonButtons =
    MakeTable(kButtonsKo, kButtonsEn, kButtonsJa, kButtonsZhHans, kButtonsRu, kButtonsZhHant, kButtonsPtBr);
static_assert(kCommonButtons.rows == rows::common::kRowCount);
static_assert(AllRowsFilled(kCommonButtons));

constexpr TableData kLanguageNames = MakeTable(kLanguageList, kLanguageList, kLanguageList, kLanguageList,
                                               kLanguageList, kLanguageList, kLanguageList);
static_assert(kLanguageNames.rows == rows::language_names::kRowCount);
static_assert(kLanguageNames.rows == kLanguageCount);
static_assert(AllRowsFilled(kLanguageNames));

constexpr TableData kMapWindow = MakeTable(kMapKo, kMapEn, kMapJa, kMapZhHans, kMapRu, kMapZhHant, kMapPtBr);
static_assert(kMapWindow.rows == rows::map_window::kRowCount);
static_assert(AllRowsFilled(kMapWindow));

}  // namespace direvovu::text_tables
