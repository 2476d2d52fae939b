// The fixed texts of the analysis dialog, shared by both user interfaces.
#pragma once

namespace velmora {

inline constexpr char16_t AnalysisCaptionSuffix[] = u" - 分析"; // after the application title
inline constexpr char16_t AnalysisPartLabel[] = u" 指定时间前删除文件占用空间";
inline constexpr char16_t AnalysisRestLabel[] = u" 其它时间删除文件占用空间";
inline constexpr char16_t AnalysisChartName[] = u"占用空间饼图";
inline constexpr char16_t AnalysisOkText[] = u"确定";

} // namespace velmora
