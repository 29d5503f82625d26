// The preference relations between alternatives and the Graphviz texts of the two preference graphs.
//
// A solve turns the pairwise optima (the largest possible advantage of one alternative over another)
// into relation texts by fixed rules, merges indifferent alternatives into one node, orders the nodes
// in layers (each layer holds the nodes no remaining node is preferred to) and draws an edge for every
// preference between consecutive layers. The texts are Graphviz's dot language.
//
// Dot text: a node identifier that is not a plain word of letters, digits and '_' (not starting with a
// digit, and not one of dot's keywords) or a plain number is written in double quotes, with '"' and
// '\' escaped; labels always stand in quotes and are escaped the same way. So every alternative name
// yields valid dot, and plain names are written as they are.
#pragma once

#include "core/CString.h"
#include "model/solve/ProblemModel.h"
#include "model/solve/SolverRecords.h"

#include <cstdint>
#include <set>
#include <vector>

// Returns true for the texts that count as a preference of the row alternative: "P" and "P or I".
bool IsPreferenceText(const CString& text);

// Returns the n x n relation texts of the n x n `optima` (optima[l][m] = the largest U(l) - U(m)) by
// the relation rules with threshold t, for every ordered pair (l, m), l != m, with a = optima[l][m]
// and b = optima[m][l], later rules overwriting earlier ones:
//   a >= t and b >= t: both "?";   -t < a < t and -t < b < t: both "I";
//   a >= t and -t < b < t, or a >= t and b <= -t: [l][m] "P", [m][l] "P-";
//   b >= t and a < t: [l][m] "P-", [m][l] "P".
// Any other combination leaves both empty (as does the diagonal). Throws CInvalidArgException* naming
// the row when optima is not square.
RelationMatrix RelationFromOptima(const SolverMatrix& optima, double t);

// Returns the third relation of the n x n weak optima with threshold t: for every ordered pair (a, b),
// a != b, with x = optima[a][b] and y = optima[b][a]: both "I" when x > -t and y > -t; [a][b] "P-" and
// [b][a] "P" when x <= -t < y; [a][b] "P" and [b][a] "P-" when y <= -t < x; else empty. Throws
// CInvalidArgException* naming the row when optima is not square.
RelationMatrix CompleteRelationFromOptima(const SolverMatrix& optima, double t);

// The nodes of a preference graph: alternatives merged into indifference classes.
struct PreferenceClasses {
    // Per node its merged name: the names of its alternatives joined by " I ".
    std::vector<CString> names;
    // Per node the indices of its alternatives, the node's own alternative first.
    std::vector<std::vector<int32_t>> members;
    // The relation between the nodes.
    RelationMatrix relation;
};

// Merges the alternatives of the n x n `relation` (n = names.size()) into indifference classes: for
// each row m in order and each earlier row y with relation[m][y] = "I", node m takes y's name
// (name[m] + " I " + name[y], name[y] becoming empty) and every preference of row y ([y][c] "P" or
// "P or I" sets [m][c] = "P"); the absorbed rows and columns are then removed. Returns the remaining
// nodes in order. Throws CInvalidArgException* when relation is not names.size() square.
PreferenceClasses MergeIndifferenceClasses(const RelationMatrix& relation, const std::vector<CString>& names);

// Returns the label of a merged name: every "I" standing between two blanks, from the third
// character on, becomes ",". "b I a" gives "b , a".
CString NodeLabel(const CString& mergedName);
// Returns the identifier of a merged name: every blank becomes "_". "b I a" gives "b_I_a".
CString NodeIdentifier(const CString& mergedName);
// Returns identifier as written in dot text: as it stands when it is a plain word or number, else in
// double quotes with '"' and '\' escaped.
CString DotId(const CString& identifier);
// Returns text escaped to stand inside double quotes in dot text ('"' and '\' preceded by '\').
CString DotEscaped(const CString& text);

// Orders the nodes of the merged `relation` in layers, each in node order. With bestFirst a layer
// holds every remaining node whose column holds no preference (no remaining node is preferred to
// it); otherwise every remaining node whose row holds none (it is preferred to no remaining node).
// Each layer is removed before the next is formed. When no remaining node qualifies (a cycle of
// preferences), the remaining nodes form the last layer. Returns the layers of node indices.
std::vector<std::vector<int32_t>> PreferenceLayers(const RelationMatrix& relation, bool bestFirst);

// Adds to `edges` the edge texts of the merged graph: for every two consecutive layers of the
// best-first layering, x of the first and y of the second with [x][y] a preference give
// DotId(x) + " -> " + DotId(y) + attribute; then the same for the worst-first layering, y of the
// second and x of the first with [y][x] a preference giving DotId(y) + " -> " + DotId(x) + attribute.
// Each distinct text is kept once, in ascending byte order.
void AddLayerEdges(const PreferenceClasses& classes, const CString& attribute, std::set<CString>& edges);

// Returns the declaration of node `node` of the merged weak relation, without the closing "; ":
// DotId(identifier) + " [label=" + quoted label + ending, the ending ", color=forestgreen,
// fontsize=10]" for a node of high credibility, ", fontsize=10, color=blue]" for one of low
// credibility, else ", fontsize=10, color=black]". A node of one alternative takes that alternative's
// credibility (1 high, 0 low). A merged node counts the alternatives of `model` named as the label's
// part before its last comma (less the blank before it) or the part after the comma's following blank:
// high when two of them have credibility 1, low when two have credibility 0, so a node of three or
// more alternatives is drawn black. Throws CInvalidArgException* naming node when it is not a node.
CString WeakNodeDeclaration(const PreferenceClasses& classes, int32_t node, const ProblemModel& model);

// Returns the text of the weak graph of the n x n `complete` relation of the model's alternatives:
// "digraph G {", then the declaration identifier + " [label=" quoted name ", fontsize=10]; " of every
// alternative that has "P" or "P-" towards another one, then identifier(a) + " -> " + identifier(b) +
// "; " for every [a][b] "P", then "} ". The identifiers (unquoted) of the alternatives left out are
// put into `excluded`, which is emptied first. Throws CInvalidArgException* when complete is not
// square over the model's alternatives.
CString WeakGraphText(const RelationMatrix& complete, const ProblemModel& model, std::vector<CString>& excluded);
