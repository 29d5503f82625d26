// Chart templates: a text that describes a chart's components (backgrounds, titles, legends, displays,
// labels, label blocks, text panels, data watchers) with their placement, fill and fonts, one
// component per line, without data or texts. DEDized::ReadTemplate builds components from one;
// WriteChartTemplate writes a chart's components in the same form.
//
// The text: a header line "//DEDized template output system V1.0" and an empty line, one line per
// component ("keyword common-part text-part own-part", the parts of ChartTemplateScanner.h), a label's
// texts as "annotation index text" lines after it, and the trailer "// End of template/n/n" (those
// very characters, no line end after it). Lines end in CR LF when written (kChartTemplateLineEnd);
// CR LF, LF and a lone CR all read.
//
// Reading, line by line (empty lines and lines beginning with "//" carry nothing):
// - "background", "title", "legend", "data" (a display), "label", "labelblock", "textpanel" and
//   "datawatcher" make their component, read its parts and append it to the chart;
// - "labelblock" also opens a block: the "label" lines after it put their labels into the block
//   (keeping their own style) until "endblock", "textpanel" or "datawatcher" closes it;
// - "annotation" sets a text of the last label read (in a block or not), or of the last label block;
// - "surface" is accepted and ignored;
// - anything else ("rect", "font", "style", unknown words, an annotation after another component)
//   fails its line with code 13.
// Whatever follows a component's parts on its line is ignored. The first line that fails ends the
// reading; the components of the lines before stay. A line failing with code 13 goes to the chart's
// OnTemplateLineError and shows nothing; any other failure shows its message and then the chart's
// IDS_CHART_TEMPLATE_LINE_ERROR with the line.
//
// Writing never writes "labelblock" (a label block writes itself as a "label" line, so it reads back as
// a plain label), "endblock", "surface", "rect", "font" or "style"; a legend writes its key kind, which
// reading does not take (it sets the key kind 1).
#pragma once

class CStdioFile;
class DEDized;

// Writes the template of rChart's components into writer (an open text file): the header, one line
// per component in list order, the trailer.
void WriteChartTemplate(DEDized& rChart, CStdioFile& writer);
