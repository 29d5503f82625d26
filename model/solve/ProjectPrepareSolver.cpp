// The copy of the project into the Solver of a solve, and the evaluation look-up it rests on.
#include "model/ZQInterfaceData.h"

#include "core/NumberText.h"
#include "model/ZQShellServices.h"
#include "model/solve/Solver.h"

#include <cmath>
#include <map>
#include <memory>
#include <set>

double CZQInterfaceData::GetEvaluationValue(CString alternative, CString criterion) const
{
    const size_t r = EvaluationRowOf(EvaluationsTable, alternative);
    const size_t c = EvaluationColumnOf(EvaluationsTable, criterion);
    return EvaluationNumber(criterion, ProjectCell(ProjectRow(EvaluationsTable, r), c));
}

double CZQInterfaceData::EvaluationNumber(CString criterion, const CString& cell) const
{
    return ZQCriterionNumbers(*this, criterion).Number(cell);
}

int CZQInterfaceData::PrepareSolver()
{
    Shell("CZQInterfaceData::PrepareSolver");
    return ProjectSolver ? PrepareSolver(*ProjectSolver) : 0;
}

int CZQInterfaceData::PrepareSolver(Solver& solver)
{
    CZQShellServices& shell = Shell("CZQInterfaceData::PrepareSolver");

    // At least 3 alternatives and 2 criteria, every name once.
    ProblemModel& model = solver.model;
    solver.shell = &shell;
    const size_t n = AlternativesTable.size();
    const size_t m = CriteriaTable.size();
    if (n < 3 || m < 2)
        return 0;
    if (HasDuplicateKey(AlternativesTable) || HasDuplicateKey(CriteriaTable))
        return 0;

    // The alternatives, in table order; reference indices count the ranked ones from 0. A record
    // joins the model as soon as it exists, so the model never holds an empty slot.
    model.alternatives.clear();
    model.criteria.clear();
    model.alternatives.reserve(n);
    model.criteria.reserve(m);
    std::vector<size_t> ranked;  // alternatives-table rows in reference-index order
    for (size_t i = 0; i < n; ++i) {
        const CString& name = ProjectCell(AlternativesTable[i], 0);
        if (EvaluationRowOf(EvaluationsTable, name) == 0)
            return 0;
        model.alternatives.push_back(std::make_unique<AlternativeRecord>());
        AlternativeRecord& record = *model.alternatives.back();
        record.index = int32_t(i);
        record.name = name;
        record.evaluations.assign(m, 0.0);
        for (size_t j = 0; j < m; ++j) {
            const CString& criterion = ProjectCell(CriteriaTable[j], 0);
            if (EvaluationColumnOf(EvaluationsTable, criterion) == 0)
                return 0;
            const double value = GetEvaluationValue(name, criterion);
            if (!std::isfinite(value))
                return 0;
            if (GetCriterionKind(criterion) == ZQ_KIND_ORDINAL && value < 1.0)
                return 0;
            record.evaluations[j] = value;
        }
        if (!ProjectCell(AlternativesTable[i], 2).IsEmpty()) {
            record.referenceIndex = int32_t(ranked.size());
            ranked.push_back(i);
        } else {
            record.referenceIndex = -1;
        }
    }

    // The criteria.
    for (size_t j = 0; j < m; ++j) {
        const ZQRow& row = CriteriaTable[j];
        const int segments = AfxAtoi(ProjectCell(row, 3));
        if (segments < 1)
            return 0;
        model.criteria.push_back(std::make_unique<CriterionRecord>());
        CriterionRecord& record = *model.criteria.back();
        record.index = int32_t(j);
        record.name = ProjectCell(row, 0);
        record.segments = segments;
        record.direction = ProjectCell(row, 2) == "gain" ? 1 : -1;
    }

    // The reference preference matrix R from the rank numbers.
    const size_t count = ranked.size();
    std::vector<double> ranks;
    for (size_t i : ranked)
        ranks.push_back(AfxAtof(ProjectCell(AlternativesTable[i], 2)));
    SolverMatrix& preference = model.reference.first;
    preference.assign(count, std::vector<double>(count, 0.0));
    int strictPairs = 0;
    for (size_t p = 0; p < count; ++p) {
        for (size_t q = 0; q < count; ++q) {
            if (ranks[p] < ranks[q]) {
                preference[p][q] = 1.0;
                ++strictPairs;
            } else if (ranks[p] == ranks[q] && p != q) {
                preference[p][q] = 0.5;
            }
        }
    }

    // The chain matrix C from the reference tree in display order: 0.5 between neighbours inside a rank node, 1.0
    // from the last of a rank node to the first of the next one that holds any. Tree entries that
    // name no reference alternative are passed over as if absent.
    std::map<CString, int32_t> referenceByName;
    for (const auto& record : model.alternatives) {
        if (record->referenceIndex >= 0)
            referenceByName[record->name] = record->referenceIndex;
    }
    SolverMatrix& chain = model.reference.second;
    chain.assign(count, std::vector<double>(count, 2.0));
    int32_t last = -1;
    for (const CZQRankNode& node : shell.GetReferenceTree()) {
        std::vector<int32_t> members;
        for (const CString& name : node.Alternatives) {
            auto found = referenceByName.find(name);
            if (found != referenceByName.end())
                members.push_back(found->second);
        }
        if (members.empty())
            continue;
        if (last >= 0)
            chain[size_t(last)][size_t(members.front())] = 1.0;
        for (size_t i = 1; i < members.size(); ++i)
            chain[size_t(members[i - 1])][size_t(members[i])] = 0.5;
        last = members.back();
    }

    // The thresholds.
    solver.threshold1 = DeltaThreshold;
    solver.threshold2 = EpsilonThreshold;

    // Credibility, for this solve only.
    const std::set<CString> credible(CredibilityList.begin(), CredibilityList.end());
    for (const auto& record : model.alternatives) {
        if (record->referenceIndex < 0)
            record->credibility = -1;
        else if (CredibilityDefined)
            record->credibility = credible.count(record->name) ? 1 : 0;
        else
            record->credibility = 1;
    }
    CredibilityList.clear();
    CredibilityDefined = 0;

    // A reference ranking needs at least one strictly preferred pair.
    return strictPairs > 0 ? 1 : 0;
}
