// The solve: the base program, then either the inconsistency report or the pairwise optima, the
// relations, the two preference graphs and the Kendall-preserving value functions; and the check of
// value functions edited after a solve.
#include "model/solve/Solver.h"

#include "core/CException.h"

#include "model/ZQShellServices.h"
#include "model/solve/AlternativeUtility.h"
#include "model/solve/KendallTau.h"
#include "model/solve/PreferenceGraph.h"
#include "model/solve/ZQInconsistencies.h"

#include <cmath>
#include <set>

int32_t Solver::Solve()
{
    SolveBaseProgram();
    return SolveFromBase();
}

void Solver::SolveBaseProgram()
{
    // The base program measures how far the reference ranking is from being representable.
    resultsReady = 0;
    ResetLps();
    delta = threshold1;
    BuildBaseLp();
    savedBaseRows = baseLp.rows;
    savedBaseSenses = baseLp.rowSenses;
    baseErrorSum = baseLp.Solve();
    inconsistent = 0;
    inconsistencyLines.clear();
}

int32_t Solver::SolveFromBase()
{
    // A run without a definite optimum reads 0.0: it must not pass for a consistent ranking.
    if (baseLp.failed || baseLp.infeasible)
        return 0;

    // Any error at all: find the constraints to blame.
    if (baseErrorSum > 0.0) {
        inconsistent = 1;
        ZQInconsistencies search;
        search.base.sense = baseLp.sense;
        search.base.objective = baseLp.objective;
        search.base.rows = baseLp.rows;
        search.base.rowSenses = baseLp.rowSenses;
        search.base.constraintList = baseLp.constraintList;
        if (search.ChooseConstraint()) {
            search.EnumerateAlternatives();
            inconsistencyLines = InconsistencyReport(search);
        }
        return 0;
    }

    std::vector<CString> names;
    for (const auto& alternative : model.alternatives)
        names.push_back(alternative->name);

    // The largest advantage of every alternative over every other, over the credibility-filtered
    // constraints (strong) and over the base constraints (weak): nothing of it is kept unless every
    // program was solved.
    SolverMatrix strong, weak;
    SolvePairFamilies(strong, weak);
    strongOptima = std::move(strong);
    weakOptima = std::move(weak);

    // The strong relation.
    strongRelation = RelationFromOptima(strongOptima, threshold2);

    // The edges of the strong relation's layers.
    std::set<CString> strongEdges;
    AddLayerEdges(MergeIndifferenceClasses(strongRelation, names), " [color=forestgreen, style=bold]; ", strongEdges);

    // The weak relation.
    weakRelation = RelationFromOptima(weakOptima, threshold2);

    // The weak relation's classes and the edges of their layers.
    const PreferenceClasses weakClasses = MergeIndifferenceClasses(weakRelation, names);
    bool anyLow = false;
    for (const auto& alternative : model.alternatives)
        anyLow = anyLow || alternative->credibility == 0;
    std::set<CString> weakEdges;
    AddLayerEdges(weakClasses, anyLow ? " [style=solid,color=black]; " : " [style=dashed,color=blue]; ", weakEdges);

    // The graph of the partial preorder: the weak nodes, then the weak and the strong edges.
    partialGraphText = "digraph G { ";
    for (size_t node = 0; node < weakClasses.names.size(); ++node)
        partialGraphText += WeakNodeDeclaration(weakClasses, int32_t(node), model) + "; ";
    for (const CString& edge : weakEdges)
        partialGraphText += edge;
    for (const CString& edge : strongEdges)
        partialGraphText += edge;
    partialGraphText += "}";
    RenderGraph(partialGraphText, "graph_part.gif");

    // The complete relation and its graph.
    completeRelation = CompleteRelationFromOptima(weakOptima, threshold2);
    RenderGraph(WeakGraphText(completeRelation, model, model.excludedNames), "graph_weak.gif");

    // The value functions that preserve Kendall's coefficient, which the charts and the ranking show.
    SolveKendallPreserving();
    resultsReady = 1;
    return 1;
}

void Solver::SolveKendallPreserving()
{
    BuildKendallLp();
    kendallLp.Solve();

    kendallValues.assign(model.criteria.size(), std::vector<double>());
    for (size_t k = 0; k < model.criteria.size(); ++k) {
        std::vector<double>& values = kendallValues[k];
        values.push_back(0.0);
        const size_t points = model.criteria[k]->breakpoints.size();
        for (size_t i = 1; i < points; ++i) {
            const size_t column = size_t(StepColumn(int32_t(k), int32_t(i - 1)));
            values.push_back(values.back() + kendallLp.columnValues[column]);
        }
    }

    kendallUtilities.assign(model.alternatives.size(), -1.0);
    for (size_t a = 0; a < model.alternatives.size(); ++a) {
        if (model.alternatives[a]->referenceIndex >= 0)
            kendallUtilities[a] = InterpolatedUtility(int32_t(a), kendallValues);
    }

    kendall.first = ReferencePreferenceOf(kendallUtilities);
    kendall.value = KendallTau(kendall.first, model.reference);
    for (size_t k = 0; k < model.criteria.size(); ++k)
        model.criteria[k]->values = kendallValues[k];
    for (size_t a = 0; a < model.alternatives.size(); ++a)
        model.alternatives[a]->utility = kendallUtilities[a];
}

int32_t Solver::CheckValueFunctions(int32_t requireNoWorse)
{
    ValueCheckPlan plan;
    return CheckValueFunctions(requireNoWorse, plan);
}

int32_t Solver::CheckValueFunctions(int32_t requireNoWorse, ValueCheckPlan& plan)
{
    if (!HasResults())
        return 0;
    double topSum = 0.0;
    if (plan.trials && plan.othersInOrder.empty()) {
        for (size_t k = 0; k < model.criteria.size(); ++k) {
            const CriterionRecord& criterion = *model.criteria[k];
            const std::vector<double>& v = criterion.values;
            // the index whose value the trials change, none when they change none of this criterion's
            const size_t changing = k == plan.criterion ? plan.breakpoint : plan.top ? v.size() - 1 : v.size();
            bool inOrder = !v.empty() && v.size() == criterion.breakpoints.size();
            for (size_t i = 0; i < v.size() && inOrder; ++i) {
                if (i != changing && i != changing + 1)
                    inOrder = ValueAfterPrevious(v, i);
                else if (i == changing + 1)
                    inOrder = v[i] >= 0.0 && v[i] <= 1.0;
            }
            plan.othersInOrder.push_back(char(inOrder));
        }
    }
    for (size_t k = 0; k < model.criteria.size(); ++k) {
        const CriterionRecord& criterion = *model.criteria[k];
        const std::vector<double>& v = criterion.values;
        if (plan.trials) {
            if (!plan.othersInOrder[k])
                return 0;
            if (k == plan.criterion ? !ValueInOrder(v, plan.breakpoint)
                                    : plan.top && !ValueInOrder(v, v.size() - 1))
                return 0;
        } else {
            if (v.empty() || v.size() != criterion.breakpoints.size())
                return 0;
            for (size_t i = 0; i < v.size(); ++i) {
                if (!ValueAfterPrevious(v, i))
                    return 0;
            }
        }
        topSum += v.back();
    }
    if (std::fabs(topSum - 1.0) > 1e-6)
        return 0;

    std::vector<double>& utilities = plan.utilities;
    utilities.assign(model.alternatives.size(), -1.0);
    plan.segments.resize(model.alternatives.size());
    for (size_t a = 0; a < model.alternatives.size(); ++a) {
        AlternativeRecord& alternative = *model.alternatives[a];
        if (alternative.referenceIndex < 0)
            continue;
        std::vector<int32_t>& segments = plan.segments[a];
        double utility = 0.0;
        for (size_t k = 0; k < model.criteria.size(); ++k) {
            if (segments.size() == k)
                segments.push_back(model.FindSegment(int32_t(k), int32_t(a)));
            AddMarginalValue(model.criteria[k]->breakpoints, model.criteria[k]->values, segments[k],
                             alternative.evaluations[k], &utility);
        }
        alternative.recheckedUtility = utility;
        utilities[a] = utility;
    }
    delta = threshold1;
    if (!plan.referencesTaken) {
        plan.references = ReferenceAlternatives();
        plan.referencesTaken = true;
    }
    std::vector<double>& byReference = plan.byReference;
    byReference.clear();
    for (int32_t alternative : plan.references)
        byReference.push_back(utilities[size_t(alternative)]);
    const double coefficient = KendallTauOfUtilities(byReference, delta, model.reference);
    if (requireNoWorse && coefficient < kendall.value)
        return 0;
    shownKendall = coefficient;
    return 1;
}

double Solver::NearestAdmissibleValue(size_t criterion, size_t breakpoint, double target, int32_t requireNoWorse)
{
    std::vector<std::unique_ptr<CriterionRecord>>& criteria = model.criteria;
    if (criterion >= criteria.size() || !criteria[criterion])
        AfxThrowInvalidArgFormat("Solver::NearestAdmissibleValue: criterion %d of %d", int(criterion),
                                 int(criteria.size()));
    std::vector<double>& values = criteria[criterion]->values;
    if (breakpoint >= values.size())
        AfxThrowInvalidArgFormat("Solver::NearestAdmissibleValue: breakpoint %d of %d", int(breakpoint),
                                 int(values.size()));
    const size_t n = criteria.size();
    // the top values of the other criteria make up for a change of this one's
    const bool top = breakpoint + 1 == values.size() && n > 1;
    // each(top value, criterion) for every other criterion's top value, when this one's is moved
    auto forOtherTops = [&](auto each) {
        for (size_t k = 0; top && k < n; ++k) {
            if (k != criterion && !criteria[k]->values.empty())
                each(criteria[k]->values.back(), k);
        }
    };
    auto shiftOtherTops = [&](double change) {
        forOtherTops([&](double& value, size_t) { value += change / double(n - 1); });
    };
    // A trial changes this breakpoint's value and, for a top point, the other criteria's tops: the
    // accepted functions are kept as those values alone.
    double acceptedValue = 0.0;
    std::vector<double> acceptedTops(n, 0.0);
    auto accept = [&] {
        acceptedValue = values[breakpoint];
        forOtherTops([&](double& value, size_t k) { acceptedTops[k] = value; });
    };
    auto restore = [&] {
        values[breakpoint] = acceptedValue;
        forOtherTops([&](double& value, size_t k) { value = acceptedTops[k]; });
    };
    accept();
    ValueCheckPlan plan;
    plan.trials = true;
    plan.criterion = criterion;
    plan.breakpoint = breakpoint;
    plan.top = top;
    auto check = [&] { return CheckValueFunctions(requireNoWorse, plan); };

    double admitted = values[breakpoint];
    double refused = target;
    values[breakpoint] = target;
    shiftOtherTops(admitted - target);
    if (check()) {
        accept();
        admitted = target;
    } else {
        restore();
        for (int i = 0; i < kValueHalvings; ++i) {
            const double trial = (refused + admitted) * 0.5;
            values[breakpoint] = trial;
            shiftOtherTops(admitted - trial);
            if (check()) {
                accept();
                admitted = trial;
            } else {
                restore();
                refused = trial;
            }
        }
    }
    restore();
    return admitted;
}

std::unique_ptr<Solver> Solver::ValueCheckCopy() const
{
    auto copy = std::make_unique<Solver>();
    copy->resultsReady = resultsReady;
    copy->threshold1 = threshold1;
    copy->threshold2 = threshold2;
    copy->delta = delta;
    copy->shownKendall = shownKendall;
    copy->kendall.value = kendall.value;
    copy->model.reference = model.reference;
    // the names stay behind: a copy may go on another thread, and names are shared strings
    for (const auto& criterion : model.criteria) {
        auto record = std::make_unique<CriterionRecord>();
        if (criterion) {
            record->index = criterion->index;
            record->direction = criterion->direction;
            record->worst = criterion->worst;
            record->best = criterion->best;
            record->breakpoints = criterion->breakpoints;
            record->values = criterion->values;
            record->segments = criterion->segments;
        }
        copy->model.criteria.push_back(std::move(record));
    }
    for (const auto& alternative : model.alternatives) {
        auto record = std::make_unique<AlternativeRecord>();
        if (alternative) {
            record->index = alternative->index;
            record->evaluations = alternative->evaluations;
            record->referenceIndex = alternative->referenceIndex;
            record->credibility = alternative->credibility;
            record->utility = alternative->utility;
            record->recheckedUtility = alternative->recheckedUtility;
        }
        copy->model.alternatives.push_back(std::move(record));
    }
    return copy;
}

bool Solver::ValueAfterPrevious(const std::vector<double>& v, size_t i)
{
    return v[i] >= 0.0 && v[i] <= 1.0 && (i > 0 ? v[i] >= v[i - 1] : v[i] == 0.0);
}

bool Solver::ValueInOrder(const std::vector<double>& v, size_t i)
{
    return i < v.size() && ValueAfterPrevious(v, i) && (i + 1 >= v.size() || v[i] <= v[i + 1]);
}

bool Solver::AddMarginalValue(const std::vector<double>& p, const std::vector<double>& v, int32_t s, double x,
                              double* utility)
{
    // A constant criterion (no segment) adds nothing.
    if (s < 0 || size_t(s) + 1 >= p.size() || size_t(s) + 1 >= v.size())
        return false;
    const size_t i = size_t(s);
    *utility += InterpolateOnSegment(x, p[i], p[i + 1], v[i], v[i + 1]);
    return true;
}

double Solver::InterpolatedUtility(int32_t a, const std::vector<std::vector<double>>& values) const
{
    double utility = 0.0;
    for (size_t k = 0; k < model.criteria.size() && k < values.size(); ++k) {
        const int32_t s = model.FindSegment(int32_t(k), a);
        AddMarginalValue(model.criteria[k]->breakpoints, values[k], s, model.alternatives[size_t(a)]->evaluations[k],
                         &utility);
    }
    return utility;
}

SolverMatrix Solver::ReferencePreferenceOf(const std::vector<double>& utilities) const
{
    std::vector<double> byReference;
    for (int32_t alternative : ReferenceAlternatives())
        byReference.push_back(utilities[size_t(alternative)]);
    return ModelPreferenceMatrix(byReference, delta);
}

std::vector<CString> Solver::InconsistencyReport(const ZQInconsistencies& search) const
{
    auto nameOf = [this](int32_t reference) {
        CString name;
        for (const auto& alternative : model.alternatives) {
            if (alternative->referenceIndex == reference)
                name += alternative->name;
        }
        return name;
    };
    auto textOf = [&nameOf](const ConstraintTriple& triple) {
        return nameOf(triple.first) + (triple.kind == 1 ? " >> " : " I ") + nameOf(triple.second);
    };

    std::vector<CString> lines;
    lines.push_back(textOf(search.chosen));
    for (const std::vector<int32_t>& solution : search.solutions) {
        CString line;
        for (int32_t member : solution) {
            if (member >= 0 && size_t(member) < search.working.constraintList.size())
                line += textOf(search.working.constraintList[size_t(member)]) + "   ";
        }
        lines.push_back(line);
    }
    return lines;
}

void Solver::RenderGraph(const CString& text, const char* fileName)
{
    if (shell == nullptr)
        return;
    const CString directory = shell->GetTempDirectory();
    if (directory.IsEmpty())
        return;
    shell->RenderDotToGif(text, directory + "\\" + fileName);
}
