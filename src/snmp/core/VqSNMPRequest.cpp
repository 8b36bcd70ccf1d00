#include "VqSNMPRequest.h"

#include "Expressions.h"
#include "MessageWait.h"
#include "RowInstances.h"
#include "ValueTexts.h"
#include "VqException.h"
#include "VqMessageTable.h"
#include "VqNumList.h"

#include <QCoreApplication>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

constexpr int kIndexOutOfRange = -12;
constexpr int kNoSuchName = -102;
constexpr int kInvalidAddress = -509;
constexpr int kGetNextOnSingleValue = -510;
constexpr int kBadSyntaxInExpression = -513;
constexpr int kBadKeyCount = -514;
constexpr int kBadListKind = -515;
constexpr int kUnknownErrorCode = -528;
constexpr int kNonIncreasingOid = -529;
constexpr int kFewerBindings = -530;
constexpr int kRepostMs = 20; // a local reply that met a running reply handler tries again after this

constexpr std::string_view kNotDoneText = "(NOTDONE)";

// Reply handlers of every request under way: while one runs, the pump delivers nothing, so a
// wait for a reply would be in vain.
int ReplyDepth = 0;

SnmpOid ParseOid(const std::string& text) {
    // An OID text that does not parse goes out empty, which the session refuses as an invalid
    // object identifier: the failure is reported like any other refused send.
    return SnmpOid::Parse(text).value_or(SnmpOid());
}

// A double cut toward zero into 64 bits; NaN gives 0 and values outside the range saturate.
int64_t Truncated(double v) {
    if (std::isnan(v))
        return 0;
    if (v >= 9.2e18)
        return std::numeric_limits<int64_t>::max();
    if (v <= -9.2e18)
        return std::numeric_limits<int64_t>::min();
    return static_cast<int64_t>(v);
}

// Whether `a` comes before `b` in the order of a GET-NEXT walk: at the first arc in which they
// differ, or as the shorter where one starts the other. Every step of a walk compares each
// column's OID with the one it asked for, and the two mostly differ in their last arc only: one
// comparison of the arcs before it settles that case.
bool IsBefore(const SnmpOid& a, const SnmpOid& b) {
    const size_t common = std::min(a.Size(), b.Size());
    const uint32_t* x = a.Arcs.data();
    const uint32_t* y = b.Arcs.data();
    size_t i = 0;
    if (common > 1 && std::memcmp(x, y, (common - 1) * sizeof(uint32_t)) == 0)
        i = common - 1;
    for (; i < common; ++i)
        if (x[i] != y[i])
            return x[i] < y[i];
    return a.Size() < b.Size();
}

// A reply's error index names one of the request's bindings (1 for the first); any other index
// points at no variable.
int BindingIndex(int errorIndex, size_t bindings) {
    return errorIndex >= 1 && static_cast<size_t>(errorIndex) <= bindings ? errorIndex : 0;
}

void ReportEscaped(std::exception_ptr failure) {
    if (SessionParameters.EventProcessor.ExceptionHandler)
        SessionParameters.EventProcessor.ExceptionHandler(failure);
}

} // namespace

// What each asynchronous send carries through the session's reply record: which send it was
// (its entry in InFlight keeps the bindings it sent), which walk it belongs to and the caller's
// continuation.
struct VqSNMPRequest::ReplyTicket {
    uint64_t Serial = 0;
    uint64_t Generation = 0;
    VqReplyContinuation Next;

    void operator()(VqSNMPError& error, VqSNMPVarList& list) const {
        if (Next)
            Next(error, list);
    }
};

// Counts a reply as being handled; at the end it is counted off Outstanding, unless the request
// was destroyed meanwhile.
class VqSNMPRequest::HandlingScope {
public:
    explicit HandlingScope(VqSNMPRequest& request) : Request(request), Life(request.Alive) {
        ++Request.Handling;
        ++ReplyDepth;
    }
    ~HandlingScope() {
        --ReplyDepth;
        if (*Life) {
            --Request.Handling;
            --Request.Outstanding;
        }
    }
    HandlingScope(const HandlingScope&) = delete;
    HandlingScope& operator=(const HandlingScope&) = delete;

private:
    VqSNMPRequest& Request;
    std::shared_ptr<bool> Life;
};

VqSNMPRequest::VqSNMPRequest() {
    LoadSessionParameters();
}

VqSNMPRequest::~VqSNMPRequest() {
    Close();
    *Alive = false;
}

void VqSNMPRequest::LoadSessionParameters() {
    Device = SessionParameters.Device;
    Scope = SessionParameters.Scope;
    Security = SessionParameters.Security;
    Timeout = SessionParameters.Timeout;
}

void VqSNMPRequest::Close(uint64_t waitMs) {
    Active = false;
    if (waitMs > 0 && ReplyDepth == 0 && Outstanding > Handling)
        WaitForMessages([this] { return Outstanding <= Handling; }, waitMs);
    for (const auto& [serial, send] : InFlight)
        if (!send.Local && SnmpSession)
            SnmpSession->Cancel(send.LibraryId);
    InFlight.clear();
    Outstanding = Handling;
}

// ---- the eight operations

std::string VqSNMPRequest::SubstituteVariables(std::string_view expression, bool quoteTexts,
                                               std::string_view placeholder) {
    return ::SubstituteVariables(VarList, expression, quoteTexts, placeholder);
}

std::string VqSNMPRequest::DecodeIndex(int keyColumn, std::string_view instance) {
    return ::DecodeIndex(VarList, keyColumn, instance);
}

std::string VqSNMPRequest::EncodeIndex(int keyColumn) {
    return ::EncodeIndex(VarList, keyColumn);
}

void VqSNMPRequest::VbToText(int index, const SnmpVarBind& binding) {
    SnmpVariable& v = VarList.GetVariable(index);
    // Written over the variable's text: a walk's rows reuse its storage.
    VbToTextInto(v.ItemType, v.OptionList, binding.Value, v.ValueText);
}

void VqSNMPRequest::TextToVb(int index, SnmpVarBind& binding) {
    const SnmpVariable& v = VarList.GetVariable(index);
    binding.Value = ::TextToVb(v.ItemType, v.OptionList, v.ValueText);
}

void VqSNMPRequest::ComputeDerived(int index, VqMoment moment) {
    SnmpVariable& v = VarList.GetVariable(index);
    const std::optional<std::string>& expression =
        moment == VqMoment::AfterRead ? v.ReadExpression : v.WriteExpression;
    if (!expression)
        return;
    const double value = EvaluateArithmetic(SubstituteVariables(*expression, false, "$"));
    std::string text;
    switch (v.ItemType) {
    case itBoolean:
        text = value != 0 ? "true" : "false";
        break;
    case itInteger:
        text = std::to_string(Truncated(value));
        break;
    case itCounter:
    case itGauge:
    case itUInteger:
        text = std::to_string(static_cast<uint32_t>(Truncated(value)));
        break;
    case itTimeTicks:
        text = TimeTicksToText(static_cast<uint32_t>(Truncated(value)));
        break;
    case itCounter64:
        text = Counter64ToText(static_cast<uint64_t>(Truncated(value)));
        break;
    case itDouble:
        text = FloatToText(value);
        break;
    case itBcDateTime:
        text = DateTimeToText(value);
        break;
    default:
        RaiseVqError(kBadSyntaxInExpression);
    }
    v.ValueText = v.OptionList ? v.OptionList->ValueToText(text) : text;
}

bool VqSNMPRequest::TestCondition(std::string_view condition) {
    if (condition.empty())
        return true;
    return EvaluateCondition(SubstituteVariables(condition, true, "$"));
}

bool VqSNMPRequest::IsPastColumn(std::string_view requestedOid, std::string_view lastOid,
                                 std::string_view returnedOid) {
    return ::IsPastColumn(VarList, requestedOid, lastOid, returnedOid);
}

// ---- targets, PDUs and instances

SnmpTarget VqSNMPRequest::BuildTargets() const {
    // A walk builds its target at every step: a dotted address found valid once is not parsed
    // again while it stays the same (a host name is looked up every time).
    if (DottedAddress.empty() || Device.Address != DottedAddress) {
        if (SnmpAdapter::IsDottedAddress(Device.Address))
            DottedAddress = Device.Address;
        else if (!SnmpAdapter::IsValidAddress(Device.Address))
            RaiseVqError(kInvalidAddress);
    }
    SnmpTarget target;
    target.Address = Device.Address;
    target.Port = Device.Port;
    target.Version = Security.Version;
    target.Timeout = Timeout;
    target.Retries = Retries;
    target.ReadCommunity = Security.ReadCommunity;
    target.WriteCommunity = Security.WriteCommunity;
    target.SecurityModel = Security.SecurityModel;
    target.SecurityLevel = Security.SecurityLevel;
    target.SecurityName = Security.SecurityName;
    target.AuthProtocol = Security.AuthProtocol;
    target.AuthPassword = Security.AuthPassword;
    target.PrivProtocol = Security.PrivProtocol;
    target.PrivPassword = Security.PrivPassword;
    target.ContextEngineId = Scope.ContextEngineId;
    target.ContextName = Scope.ContextName;
    return target;
}

inline bool VqSNMPRequest::IsWalk() const {
    return VarList.Kind == MVT_FMV || VarList.Kind == MVT_UMV;
}

bool VqSNMPRequest::ReadOperation(SnmpOperation& operation) const {
    switch (VarList.Kind) {
    case SVT_SV:
        operation = SnmpOperation::Get;
        return true;
    case MVT_SV:
        operation = UseGetNext ? SnmpOperation::GetNext : SnmpOperation::Get;
        return true;
    case MVT_FMV:
    case MVT_UMV:
        operation = SnmpOperation::GetNext;
        return true;
    default:
        return false;
    }
}

std::string VqSNMPRequest::RequestedOid(int index) const {
    std::string text;
    RequestedOidInto(index, text);
    return text;
}

inline bool VqSNMPRequest::IsRequestedOid(int index, std::string_view text) const {
    const std::string& oid = VarList.GetVariable(index).Oid;
    const std::string& instance = VarList.Instance;
    if (instance.empty())
        return text == oid;
    return text.size() == oid.size() + 1 + instance.size() && text.starts_with(oid) &&
           text[oid.size()] == '.' && text.ends_with(instance);
}

void VqSNMPRequest::RequestedOidInto(int index, std::string& text) const {
    text = VarList.GetVariable(index).Oid;
    if (!VarList.Instance.empty()) {
        text += '.';
        text += VarList.Instance;
    }
}

std::vector<SnmpVarBind> VqSNMPRequest::BuildPdu(VqPduMode mode) {
    std::vector<SnmpVarBind> bindings;
    BuildPduInto(mode, bindings);
    return bindings;
}

void VqSNMPRequest::BuildPduInto(VqPduMode mode, std::vector<SnmpVarBind>& bindings) {
    // The bindings already in the list lend their storage to the new ones: a walk builds each
    // step in the storage of the step before.
    size_t used = 0;
    auto next = [&]() -> SnmpVarBind& {
        if (used == bindings.size())
            bindings.emplace_back();
        SnmpVarBind& binding = bindings[used++];
        binding.Value.Syntax = SnmpSyntax::Null;
        binding.Value.Int = 0;
        binding.Value.Unsigned = 0;
        binding.Value.Bytes.clear();
        binding.Value.Oid.Arcs.clear();
        return binding;
    };
    for (int i = 0; i < VarList.GetCount(); ++i) {
        std::string oid;
        if (mode != VqPduMode::Write) {
            if (!VarList.IsGettable(i))
                continue;
            SnmpVariable& v = VarList.GetVariable(i);
            if (mode == VqPduMode::FirstRead) {
                v.LastOid.clear();
                oid = VarList.Kind == SVT_SV ? RequestedOid(i) + ".0" : RequestedOid(i);
                next().Oid = ParseOid(oid);
                continue;
            }
            if (VarList.Kind == SVT_SV || VarList.Kind == MVT_SV)
                RaiseVqError(kGetNextOnSingleValue);
            const size_t at = static_cast<size_t>(i);
            if (at < StepOids.size() && !StepOids[at].Lent && StepOids[at].Text == v.LastOid) {
                // The arcs move into the binding: the reply brings the column's next ones.
                next().Oid.Arcs.swap(StepOids[at].Oid.Arcs);
                StepOids[at].Lent = true;
            } else {
                next().Oid = ParseOid(v.LastOid);
            }
            continue;
        }
        if (IsWalk() && i < VarList.KeyCount)
            continue;
        if (!VarList.IsSettable(i))
            continue;
        switch (VarList.Kind) {
        case SVT_SV:
            oid = RequestedOid(i) + ".0";
            break;
        case MVT_SV:
            oid = RequestedOid(i);
            break;
        case MVT_FMV:
        case MVT_UMV:
            // A table without key columns (one row, such as ".0") has no instance to build: it
            // is written where its read found the row, not at a trailing dot.
            if (VarList.KeyCount > 0)
                oid = RequestedOid(i) + "." + BuildInstance();
            else if (!RowInstance.empty())
                oid = RequestedOid(i) + "." + RowInstance;
            else
                RaiseVqError(kBadKeyCount);
            break;
        default:
            RaiseVqError(kBadListKind);
        }
        SnmpVarBind& binding = next();
        binding.Oid = ParseOid(oid);
        TextToVb(i, binding);
    }
    bindings.resize(used);
}

void VqSNMPRequest::SetRowFromInstance(std::string_view instance) {
    std::string rest(instance);
    for (int i = 0; i < VarList.KeyCount; ++i) {
        if (rest.empty())
            RaiseVqError(kBadKeyCount);
        if (!VarList.IsGettable(i)) {
            std::string& lastOid = VarList.GetVariable(i).LastOid;
            RequestedOidInto(i, lastOid);
            lastOid += '.';
            lastOid += instance;
        }
        rest = DecodeIndex(i, rest);
    }
}

std::string VqSNMPRequest::BuildInstance() {
    std::string instance;
    for (int i = 0; i < VarList.KeyCount; ++i) {
        std::string part = EncodeIndex(i);
        if (!instance.empty())
            instance += '.';
        instance += part;
    }
    return instance;
}

bool VqSNMPRequest::CheckCondition() {
    return TestCondition(Condition);
}

bool VqSNMPRequest::MatchesFilter(std::string_view filter) {
    return TestCondition(filter);
}

// ---- reading

int VqSNMPRequest::RefusalCode(DecodeOutcome outcome) {
    switch (outcome) {
    case DecodeOutcome::NonIncreasing:
        return kNonIncreasingOid;
    case DecodeOutcome::FewerBindings:
        return kFewerBindings;
    default:
        return 0;
    }
}

VqSNMPRequest::DecodeOutcome VqSNMPRequest::DecodeReply(int code, const std::vector<SnmpVarBind>& returned,
                                                        const std::vector<SnmpVarBind>& sent) {
    if (code == 0) {
        // A reply that cannot be read against its request changes no variable: fewer bindings
        // than asked leave variables without a value, and a walk step whose value sits at or
        // before the OID it asked for would walk in a circle.
        if (returned.size() < sent.size())
            return DecodeOutcome::FewerBindings;
        if (IsWalk())
            for (size_t k = 0; k < sent.size(); ++k)
                if (!returned[k].Value.IsException() && !IsBefore(sent[k].Oid, returned[k].Oid))
                    return DecodeOutcome::NonIncreasing;
    }
    // The texts and instances of the columns go into buffers the request keeps, so that the
    // steps of a walk reuse them instead of allocating per column.
    DecodeColumns.clear();
    size_t shared =
        std::numeric_limits<size_t>::max(); // the column whose returned text holds the row's instance text
    size_t sharedText = 0;                  // where in that text the instance starts
    // Whether every column went on, within its column, to one and the same instance (the
    // common step of a walk): that instance is the row, and no column skips it.
    bool oneRow = true;
    for (int i = 0; i < VarList.GetCount(); ++i) {
        if (!VarList.IsGettable(i))
            continue;
        const size_t k = DecodeColumns.size();
        if (RequestedTexts.size() <= k) {
            RequestedTexts.resize(k + 1);
            RequestedOids.resize(k + 1);
            ReturnedTexts.resize(k + 1);
            Instances.resize(k + 1);
        }
        // A binding the reply lacks is read as the one that was sent (a failed step's PDU
        // holds only those): its column comes out past its end, its scalar empty.
        const SnmpVarBind& binding = k < returned.size() ? returned[k] : sent.at(k);
        std::string& requested = RequestedTexts[k];
        StepOid& asked = RequestedOids[k];
        if (!IsRequestedOid(i, requested)) {
            RequestedOidInto(i, requested);
            if (asked.Text != requested) {
                asked.Text = requested;
                std::optional<SnmpOid> parsed = SnmpOid::Parse(requested);
                asked.Canonical = parsed && parsed->ToString() == requested;
                asked.Oid = parsed ? std::move(*parsed) : SnmpOid();
            }
        }
        std::string& returnedOid = ReturnedTexts[k];
        SnmpOid& instance = Instances[k];
        instance.Arcs.clear();
        // A returned OID that continues the requested one (its text written as ours is) is the
        // requested text and the instance's, and the columns of a row share their instance: its
        // text is written once per row, its arcs taken from the binding without a parse.
        const std::vector<uint32_t>& arcs = binding.Oid.Arcs;
        const size_t prefix = asked.Oid.Size();
        const bool continues = asked.Canonical && arcs.size() > prefix &&
                               std::equal(asked.Oid.Arcs.begin(), asked.Oid.Arcs.end(), arcs.begin());
        if (continues) {
            instance.Arcs.assign(arcs.begin() + static_cast<std::ptrdiff_t>(prefix), arcs.end());
            returnedOid = requested;
            returnedOid += '.';
            if (shared < k && Instances[shared] == instance) {
                returnedOid.append(ReturnedTexts[shared], sharedText, std::string::npos);
            } else {
                oneRow = oneRow && k == 0;
                shared = k;
                sharedText = returnedOid.size();
                instance.AppendTo(returnedOid);
            }
        } else {
            oneRow = false;
            returnedOid.clear();
            binding.Oid.AppendTo(returnedOid);
        }
        const std::string& lastOid = VarList.GetVariable(i).LastOid;
        if (code == kNoSuchName && IsWalk())
            return returnedOid == lastOid ? DecodeOutcome::EndOfView : DecodeOutcome::NoSuchName;
        const bool past = IsPastColumn(requested, lastOid, returnedOid);
        if (past) {
            oneRow = false;
            instance.Arcs.clear();
        } else if (!continues && returnedOid.size() > requested.size()) {
            const std::string_view rest = std::string_view(returnedOid).substr(requested.size() + 1);
            if (returnedOid.compare(0, requested.size(), requested) == 0 &&
                returnedOid[requested.size()] == '.') {
                // The returned OID continues the requested one arc for arc: its instance is
                // the binding's remaining arcs, without a parse.
                const size_t tail = static_cast<size_t>(std::count(rest.begin(), rest.end(), '.')) + 1;
                instance.Arcs.assign(arcs.end() - static_cast<std::ptrdiff_t>(tail), arcs.end());
            } else if (std::optional<SnmpOid> parsed = SnmpOid::Parse(rest)) {
                instance = std::move(*parsed);
            }
        }
        DecodeColumns.push_back({i, &binding, past});
    }

    // The row is the first in OID order among the instances the columns went on to. A column
    // that went further has no entry in this row (a sparse column): it shows "(NOTDONE)" here and
    // is asked again from this row, so that its entry comes in the step of its own row.
    const SnmpOid* row = nullptr;
    std::string rowInstance;
    oneRow = oneRow && !DecodeColumns.empty();
    if (oneRow) {
        row = &Instances[0];
        rowInstance.assign(ReturnedTexts[0], sharedText, std::string::npos);
    } else {
        for (size_t k = 0; k < DecodeColumns.size(); ++k)
            if (!DecodeColumns[k].Past && !Instances[k].Empty() && (!row || Instances[k] < *row))
                row = &Instances[k];
        if (row)
            rowInstance = row->ToString();
    }
    if (StepOids.size() < static_cast<size_t>(std::max(VarList.GetCount(), 0)))
        StepOids.resize(static_cast<size_t>(VarList.GetCount()));
    int past = 0;
    for (size_t k = 0; k < DecodeColumns.size(); ++k) {
        const DecodeColumn& c = DecodeColumns[k];
        const bool skipsRow = !oneRow && IsWalk() && !c.Past && row && Instances[k] != *row;
        if (c.Past || skipsRow) {
            SnmpVariable& v = VarList.GetVariable(c.Index);
            v.ValueText = kNotDoneText;
            if (row) {
                v.LastOid = RequestedTexts[k];
                v.LastOid += '.';
                v.LastOid += rowInstance;
            } else {
                v.LastOid = ReturnedTexts[k];
            }
            past += c.Past ? 1 : 0;
            continue;
        }
        VbToText(c.Index, *c.Binding);
        SnmpVariable& v = VarList.GetVariable(c.Index);
        // The buffer takes the old text's storage, to be written over at the next step.
        v.LastOid.swap(ReturnedTexts[k]);
        StepOid& step = StepOids[static_cast<size_t>(c.Index)];
        step.Text = v.LastOid;
        step.Oid.Arcs.assign(c.Binding->Oid.Arcs.begin(), c.Binding->Oid.Arcs.end());
        step.Lent = false;
    }
    if (past == static_cast<int>(DecodeColumns.size()))
        return DecodeOutcome::NoRow;
    if (IsWalk()) {
        SetRowFromInstance(rowInstance);
        RowInstance = std::move(rowInstance);
    }
    for (int i = 0; i < VarList.GetCount(); ++i)
        ComputeDerived(i, VqMoment::AfterRead);
    return DecodeOutcome::Row;
}

void VqSNMPRequest::Fail(int code, const std::string& message, int errorIndex) {
    ++ErrorSerial;
    LastFailure = VqSNMPError{};
    LastFailure.Code = code;
    LastFailure.Message = message;
    LastFailure.AgentAddress = Device.Address;
    LastFailure.AgentPort = Device.Port;
    LastFailure.ErrorIndex = errorIndex;
    LastFailure.Serial = ErrorSerial;
    if (ErrorHandler)
        ErrorHandler(LastFailure);
}

bool VqSNMPRequest::ReadSync(bool& ok, bool firstStep) {
    ok = true;
    if (!Active) {
        ok = false;
        return false;
    }
    if (firstStep)
        ++ReadGeneration; // a walk of this request still in flight is superseded
    const SnmpTarget target = BuildTargets();
    const std::vector<SnmpVarBind> sent = BuildPdu(firstStep ? VqPduMode::FirstRead : VqPduMode::NextRead);
    SnmpOperation operation{};
    if (!ReadOperation(operation)) {
        ok = false;
        Fail(kBadListKind, MessageOfCode(kBadListKind));
        return false;
    }
    SnmpReply reply;
    const int status = SnmpSession ? SnmpSession->Request(operation, target, sent, reply) : kSnmpClassInvalid;
    int code = 0;
    std::string message;
    MapSnmpStatus(status, code, message);
    if (code != 0) {
        ok = false;
        // noSuchName in a walk is decided below: the end of an SNMPv1 agent's view, or a failure.
        if (!(code == kNoSuchName && IsWalk()))
            Fail(code, message, BindingIndex(reply.ErrorIndex, sent.size()));
    }
    const DecodeOutcome outcome = DecodeReply(code, reply.VarBinds, sent);
    switch (outcome) {
    case DecodeOutcome::EndOfView:
        return false;
    case DecodeOutcome::NoSuchName:
        Fail(code, message);
        return false;
    case DecodeOutcome::NonIncreasing:
    case DecodeOutcome::FewerBindings:
        ok = false;
        Fail(RefusalCode(outcome), MessageOfCode(RefusalCode(outcome)));
        return false;
    case DecodeOutcome::NoRow:
        return false;
    case DecodeOutcome::Row:
        return IsWalk();
    }
    return false;
}

void VqSNMPRequest::ReadAsync(bool& ok, VqReplyContinuation continuation, bool firstStep) {
    ok = true;
    if (!Active) {
        ok = false;
        return;
    }
    if (firstStep)
        ++ReadGeneration; // replies of a walk still in flight are dropped when they come
    const SnmpTarget target = BuildTargets();
    std::vector<SnmpVarBind> sent = std::move(SpareBindings);
    BuildPduInto(firstStep ? VqPduMode::FirstRead : VqPduMode::NextRead, sent);
    SnmpOperation operation{};
    if (!ReadOperation(operation)) {
        ok = false;
        Fail(kBadListKind, MessageOfCode(kBadListKind));
        return;
    }
    ok = Send(operation, target, std::move(sent), std::move(continuation), true);
}

bool VqSNMPRequest::Send(SnmpOperation operation, const SnmpTarget& target, std::vector<SnmpVarBind> bindings,
                         VqReplyContinuation continuation, bool decode) {
    const uint64_t serial = NextSerial++;
    // The send's entry keeps the bindings it sent, for its reply to be read against them.
    const auto entry = InFlight.try_emplace(serial).first;
    entry->second.Sent = std::move(bindings);
    auto record = std::make_unique<ReplyRecord>();
    record->Handler = &VqSNMPRequest::ReplyReceived;
    record->Request = this;
    record->DecodeReply = decode ? 1 : 0;
    record->Continuation = ReplyTicket{serial, ReadGeneration, std::move(continuation)};
    uint64_t libraryId = 0;
    int status = kSnmpOk;
    try {
        status = SendWithRecord(operation, target, entry->second.Sent, std::move(record), &libraryId);
    } catch (...) {
        InFlight.erase(entry);
        throw;
    }
    int code = 0;
    std::string message;
    if (status != kSnmpOk) // a sent request needs no text: a walk sends one per row
        MapSnmpStatus(status, code, message);
    if (code != 0) {
        InFlight.erase(entry);
        Fail(code, message);
        return false;
    }
    ++Outstanding;
    entry->second.LibraryId = libraryId;
    return true;
}

void VqSNMPRequest::ReplyReceived(VqSNMPRequest* request, int reason, SnmpReply& reply,
                                  const VqReplyContinuation& continuation, bool decodeReply) {
    const ReplyTicket* ticket = continuation.target<ReplyTicket>();
    if (request && ticket)
        request->HandleReply(*ticket, reason, reply, decodeReply);
}

void VqSNMPRequest::HandleReply(const ReplyTicket& ticket, int reason, SnmpReply& reply, bool decode) {
    std::vector<SnmpVarBind> sent;
    if (const auto found = InFlight.find(ticket.Serial); found != InFlight.end()) {
        sent = std::move(found->second.Sent);
        InFlight.erase(found);
    }
    HandlingScope scope(*this);
    if (reason == kSnmpSessionClosed)
        return;
    if (decode && ticket.Generation != ReadGeneration)
        return; // a step of a walk that a newer read has replaced
    VqSNMPError error = ReadReply(reason, reply, sent, decode);
    // The next step of a walk is built in these bindings' storage.
    SpareBindings = std::move(sent);
    // The continuation may destroy this request; nothing here touches it afterwards.
    ticket(error, VarList);
}

VqSNMPError VqSNMPRequest::ReadReply(int status, const SnmpReply& reply, const std::vector<SnmpVarBind>& sent,
                                     bool decode) {
    VqSNMPError error;
    MapSnmpStatus(status, error.Code, error.Message);
    error.ErrorIndex = BindingIndex(reply.ErrorIndex, sent.size());
    error.AgentAddress = reply.AgentAddress;
    error.AgentPort = reply.AgentPort;
    error.Finished = true;
    if (!decode || !(error.Code == 0 || (error.Code == kNoSuchName && IsWalk())))
        return error;
    try {
        const DecodeOutcome outcome = DecodeReply(error.Code, reply.VarBinds, sent);
        switch (outcome) {
        case DecodeOutcome::EndOfView:
            MapSnmpStatus(kSnmpOk, error.Code, error.Message);
            break;
        case DecodeOutcome::NoSuchName:
        case DecodeOutcome::NoRow:
            break;
        case DecodeOutcome::NonIncreasing:
        case DecodeOutcome::FewerBindings:
            error.Code = RefusalCode(outcome);
            error.Message = MessageOfCode(error.Code);
            break;
        case DecodeOutcome::Row:
            error.Finished = !IsWalk();
            break;
        }
    } catch (const VqException& e) {
        error.Code = e.Code();
        error.Message = e.what();
        error.Finished = true;
    } catch (const std::exception& e) {
        error.Code = kUnknownErrorCode;
        error.Message = e.what();
        error.Finished = true;
    }
    return error;
}

// ---- writing

void VqSNMPRequest::ApplyColumnList(const std::string& columns, const std::vector<std::string>* values) {
    if (columns.empty())
        return;
    VqNumList<int> list;
    list.Delimiter = ',';
    list.Parse(columns);
    for (int i = 0; i < VarList.GetCount(); ++i) {
        SnmpVariable& v = VarList.GetVariable(i);
        const int position = list.IndexOf(i);
        if (position < 0) {
            v.Access |= acInvalid;
            continue;
        }
        v.Access &= ~acInvalid;
        if (values) {
            if (static_cast<size_t>(position) >= values->size())
                RaiseVqError(kIndexOutOfRange);
            v.ValueText = (*values)[position];
        }
    }
}

bool VqSNMPRequest::StartWrite(bool& ok, const std::string& columns, const std::vector<std::string>* values,
                               SnmpTarget& target, std::vector<SnmpVarBind>& bindings) {
    ok = Active;
    if (!Active)
        return false;
    target = BuildTargets();
    bindings = PrepareWrite(columns, values);
    return true;
}

std::vector<SnmpVarBind> VqSNMPRequest::PrepareWrite(const std::string& columns,
                                                     const std::vector<std::string>* values) {
    // The column list, the value list and the derived values hold for this one PDU: the list
    // goes back to what it was, also when building the PDU fails.
    struct Restore {
        VqSNMPVarList& List;
        const VqSNMPVarList Saved;
        ~Restore() { List.Assign(Saved); }
    } restore{VarList, VarList};
    ApplyColumnList(columns, values);
    for (int i = 0; i < VarList.GetCount(); ++i)
        ComputeDerived(i, VqMoment::BeforeWrite);
    return BuildPdu(VqPduMode::Write);
}

void VqSNMPRequest::WriteSync(bool& ok, VqSNMPError& error, const std::string& columns,
                              const std::vector<std::string>* values) {
    SnmpTarget target;
    std::vector<SnmpVarBind> bindings;
    if (!StartWrite(ok, columns, values, target, bindings))
        return;
    SnmpReply reply;
    reply.AgentAddress = Device.Address;
    reply.AgentPort = Device.Port;
    // A SET left without variables is not sent: it succeeds as an empty SET would.
    int status = kSnmpOk;
    if (!bindings.empty())
        status = SnmpSession ? SnmpSession->Request(SnmpOperation::Set, target, bindings, reply)
                             : kSnmpClassInvalid;
    error = VqSNMPError{};
    MapSnmpStatus(status, error.Code, error.Message);
    error.ErrorIndex = BindingIndex(reply.ErrorIndex, bindings.size());
    error.AgentAddress = reply.AgentAddress;
    error.AgentPort = reply.AgentPort;
    if (error.Code != 0) {
        ok = false;
        error.Serial = ++ErrorSerial;
        LastFailure = error;
    }
}

void VqSNMPRequest::WriteAsync(bool& ok, VqReplyContinuation continuation, const std::string& columns,
                               const std::vector<std::string>* values) {
    SnmpTarget target;
    std::vector<SnmpVarBind> bindings;
    if (!StartWrite(ok, columns, values, target, bindings))
        return;
    if (bindings.empty()) {
        CompleteWithoutTraffic(std::move(continuation));
        return;
    }
    ok = Send(SnmpOperation::Set, target, std::move(bindings), std::move(continuation), false);
}

void VqSNMPRequest::CompleteWithoutTraffic(VqReplyContinuation continuation) {
    // Delivered later from the event loop, as the agent's reply would be: the caller's state after
    // the send is in place before its continuation runs.
    ReplyTicket ticket{NextSerial++, ReadGeneration, std::move(continuation)};
    InFlight[ticket.Serial].Local = true;
    ++Outstanding;
    DeliverLocal(Alive, this, VqReplyContinuation(std::move(ticket)));
}

void VqSNMPRequest::DeliverLocal(std::weak_ptr<bool> life, VqSNMPRequest* request,
                                 VqReplyContinuation ticket) {
    auto deliver = [life, request, ticket] {
        std::shared_ptr<bool> alive = life.lock();
        if (!alive || !*alive)
            return;
        const auto* t = ticket.target<ReplyTicket>();
        if (!request->InFlight.contains(t->Serial))
            return; // forgotten by Close
        if (ReplyDepth > 0) {
            // Replies are never handled inside another reply's handler.
            DeliverLocal(life, request, ticket);
            return;
        }
        SnmpReply reply;
        reply.AgentAddress = request->Device.Address;
        reply.AgentPort = request->Device.Port;
        try {
            ReplyReceived(request, kSnmpOk, reply, ticket, false);
        } catch (...) {
            ReportEscaped(std::current_exception());
        }
    };
    if (QCoreApplication* app = QCoreApplication::instance())
        QTimer::singleShot(ReplyDepth > 0 ? kRepostMs : 0, app, deliver);
    else
        deliver();
}
