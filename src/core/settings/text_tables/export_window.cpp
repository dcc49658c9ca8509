// The export window: the span, the layout, the overlay and the folder of an incident,
// the export's progress and how it ended, and the entry of the pictures' menu that opens
// it. %1 of the recording row is its file name, %2 its length in seconds; the refusal
// names that length; the time left is m:ss; the end rows name the folder or the reason.
//
// The four layouts are in the order of the export's layouts (side by side, front, rear,
// picture in picture). Japanese and Chinese labels end in a full-width colon.

#include "core/settings/text_tables/text_table_data.h"

namespace direvovu::text_tables {
namespace {

// The refusal of a span: one text each, apart only for the length of its line.
constexpr std::string_view kRefusedKo =
    "이 구간은 내보낼 수 없습니다. 시작이 끝보다 앞서고 둘 다 영상 안(0~%1초)에 있어야 합니다.";
constexpr std::string_view kRefusedEn =
    "This span cannot be exported. Choose a start before the end, both within the recording (0 to %1 s).";
constexpr std::string_view kRefusedJa =
    "この区間は書き出せません。開始を終了より前にし、どちらも録画の範囲（0～%1 秒）に収めてください。";
constexpr std::string_view kRefusedZhHans =
    "无法导出此区间。请让开始早于结束，且两者都在录像范围内（0 至 %1 秒）。";
constexpr std::string_view kRefusedRu =
    "Этот отрезок нельзя экспортировать. Начало должно быть раньше конца, и оба — в пределах записи (от 0 до "
    "%1 с).";
constexpr std::string_view kRefusedZhHant =
    "無法匯出此區間。請讓開始早於結束，且兩者都在錄影範圍內（0 至 %1 秒）。";
constexpr std::string_view kRefusedPtBr =
    "Este trecho não pode ser exportado. Escolha um início antes do fim, ambos dentro da gravação (0 a %1 "
    "s).";

constexpr std::string_view kKo[] = {
    "사고 영상 내보내기",                        // 0
    "영상: %1 (%2초)",                           // 1
    "시작(초):",                                 // 2
    "끝(초):",                                   // 3
    "화면 배치:",                                // 4
    "전방·후방 나란히",                          // 5
    "전방만",                                    // 6
    "후방만",                                    // 7
    "전방 화면 속 후방",                         // 8
    "영상에 시간·속도·위치 표시",                // 9
    "저장 위치:",                                // 10
    "내보내기",                                  // 11
    "폴더에서 보기",                             // 12
    "내보내는 중...",                            // 13
    "약 %1 남음",                                // 14
    "취소하는 중...",                            // 15
    "내보내기를 취소했습니다.",                  // 16
    "사고 폴더가 준비되었습니다:\n%1",           // 17
    "후방 영상이 없어 전방 영상만 담았습니다.",  // 18
    "내보내기를 마치지 못했습니다:\n%1",         // 19

    kRefusedKo,               // 20
    "사고 영상 내보내기...",  // 21
};
constexpr std::string_view kEn[] = {
    "Export Incident",                                              // 0
    "Recording: %1 (%2 s)",                                         // 1
    "From (s):",                                                    // 2
    "To (s):",                                                      // 3
    "Layout:",                                                      // 4
    "Front and rear side by side",                                  // 5
    "Front only",                                                   // 6
    "Rear only",                                                    // 7
    "Rear inside front",                                            // 8
    "Time, speed and position on the picture",                      // 9
    "Save in:",                                                     // 10
    "Export",                                                       // 11
    "Show in Folder",                                               // 12
    "Exporting...",                                                 // 13
    "About %1 left",                                                // 14
    "Cancelling...",                                                // 15
    "The export was cancelled.",                                    // 16
    "The incident folder is ready:\n%1",                            // 17
    "There is no rear recording: the clip shows the front alone.",  // 18
    "The export did not finish:\n%1",                               // 19

    kRefusedEn,            // 20
    "Export Incident...",  // 21
};
constexpr std::string_view kJa[] = {
    "事故映像の書き出し",                                      // 0
    "録画：%1（%2 秒）",                                       // 1
    "開始（秒）：",                                            // 2
    "終了（秒）：",                                            // 3
    "レイアウト：",                                            // 4
    "フロントとリアを横に並べる",                              // 5
    "フロントのみ",                                            // 6
    "リアのみ",                                                // 7
    "フロントの中にリア",                                      // 8
    "時刻・速度・位置を映像に表示",                            // 9
    "保存先：",                                                // 10
    "書き出し",                                                // 11
    "フォルダーに表示",                                        // 12
    "書き出し中...",                                           // 13
    "残り約 %1",                                               // 14
    "キャンセル中...",                                         // 15
    "書き出しをキャンセルしました。",                          // 16
    "事故フォルダーができました：\n%1",                        // 17
    "リアの録画がないため、フロントのみの映像になりました。",  // 18
    "書き出しを完了できませんでした：\n%1",                    // 19

    kRefusedJa,               // 20
    "事故映像の書き出し...",  // 21
};
constexpr std::string_view kZhHans[] = {
    "导出事故视频",                            // 0
    "录像：%1（%2 秒）",                       // 1
    "开始（秒）：",                            // 2
    "结束（秒）：",                            // 3
    "布局：",                                  // 4
    "前后画面并排",                            // 5
    "仅前镜头",                                // 6
    "仅后镜头",                                // 7
    "前画面内嵌后画面",                        // 8
    "在画面上显示时间、速度和位置",            // 9
    "保存到：",                                // 10
    "导出",                                    // 11
    "在文件夹中显示",                          // 12
    "正在导出...",                             // 13
    "剩余约 %1",                               // 14
    "正在取消...",                             // 15
    "导出已取消。",                            // 16
    "事故文件夹已生成：\n%1",                  // 17
    "没有后镜头录像，视频只包含前镜头画面。",  // 18
    "导出未能完成：\n%1",                      // 19

    kRefusedZhHans,     // 20
    "导出事故视频...",  // 21
};
constexpr std::string_view kRu[] = {
    "Экспорт происшествия",                                 // 0
    "Запись: %1 (%2 с)",                                    // 1
    "Начало (с):",                                          // 2
    "Конец (с):",                                           // 3
    "Компоновка:",                                          // 4
    "Передняя и задняя рядом",                              // 5
    "Только передняя",                                      // 6
    "Только задняя",                                        // 7
    "Задняя внутри передней",                               // 8
    "Время, скорость и координаты на видео",                // 9
    "Сохранить в:",                                         // 10
    "Экспорт",                                              // 11
    "Показать в папке",                                     // 12
    "Экспорт...",                                           // 13
    "Осталось около %1",                                    // 14
    "Отмена...",                                            // 15
    "Экспорт отменён.",                                     // 16
    "Папка происшествия готова:\n%1",                       // 17
    "Задней записи нет: в ролике только передняя камера.",  // 18
    "Экспорт не завершён:\n%1",                             // 19

    kRefusedRu,                 // 20
    "Экспорт происшествия...",  // 21
};
constexpr std::string_view kZhHant[] = {
    "匯出事故影片",                            // 0
    "錄影：%1（%2 秒）",                       // 1
    "開始（秒）：",                            // 2
    "結束（秒）：",                            // 3
    "版面配置：",                              // 4
    "前後畫面並排",                            // 5
    "僅前鏡頭",                                // 6
    "僅後鏡頭",                                // 7
    "前畫面內嵌後畫面",                        // 8
    "在畫面上顯示時間、速度與位置",            // 9
    "儲存至：",                                // 10
    "匯出",                                    // 11
    "在資料夾中顯示",                          // 12
    "正在匯出...",                             // 13
    "剩餘約 %1",                               // 14
    "正在取消...",                             // 15
    "已取消匯出。",                            // 16
    "事故資料夾已完成：\n%1",                  // 17
    "沒有後鏡頭錄影，影片只包含前鏡頭畫面。",  // 18
    "匯出未能完成：\n%1",                      // 19

    kRefusedZhHant,     // 20
    "匯出事故影片...",  // 21
};
constexpr std::string_view kPtBr[] = {
    "Exportar ocorrência",                                            // 0
    "Gravação: %1 (%2 s)",                                            // 1
    "Início (s):",                                                    // 2
    "Fim (s):",                                                       // 3
    "Disposição:",                                                    // 4
    "Frontal e traseira lado a lado",                                 // 5
    "Só a frontal",                                                   // 6
    "Só a traseira",                                                  // 7
    "Traseira dentro da frontal",                                     // 8
    "Hora, velocidade e posição na imagem",                           // 9
    "Salvar em:",                                                     // 10
    "Exportar",                                                       // 11
    "Mostrar na pasta",                                               // 12
    "Exportando...",                                                  // 13
    "Faltam cerca de %1",                                             // 14
    "Cancelando...",                                                  // 15
    "A exportação foi cancelada.",                                    // 16
    "A pasta da ocorrência está pronta:\n%1",                         // 17
    "Não há gravação traseira: o vídeo mostra só a câmera frontal.",  // 18
    "A exportação não foi concluída:\n%1",                            // 19

    kRefusedPtBr,              // 20
    "Exportar ocorrência...",  // 21
};

}  // namespace

constexpr TableData kExportWindow = MakeTable(kKo, kEn, kJa, kZhHans, kRu, kZhHant, kPtBr);
static_assert(kExportWindow.rows == rows::export_window::kRowCount);
static_assert(AllRowsFilled(kExportWindow));

}  // namespace direvovu::text_tables
