// One SNMP request over one variable list: it turns the list into PDUs (a GET of scalars or of one
// row, a GET-NEXT walk of a table one row per step, a SET), sends them through the global session
// blocking or asynchronously, and turns the replies back into the variables' value texts.
// It knows nothing of controls: VqSNMPRequest2Controls drives it.
#pragma once

#include "SnmpAdapter.h"
#include "VqSNMPError.h"
#include "VqSNMPSession.h"
#include "VqSNMPVarList.h"

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

enum class VqPduMode { FirstRead, NextRead, Write };
enum class VqMoment { AfterRead, BeforeWrite };

class VqSNMPRequest {
public:
    // The longest the destructor lets events run for replies still in flight.
    static constexpr uint64_t kDestroyWaitMs = 6000;

    VqSNMPRequest();
    virtual ~VqSNMPRequest();
    VqSNMPRequest(const VqSNMPRequest&) = delete;
    VqSNMPRequest& operator=(const VqSNMPRequest&) = delete;

    // Called when a synchronous step fails or a send is refused.
    std::function<void(const VqSNMPError&)> ErrorHandler;
    bool UseGetNext = false; // a one-row list is read with one GET-NEXT from its OIDs
    int Timeout = 0;         // units of 10 ms
    int Retries = 1;
    VqSNMPDevice Device;
    VqSNMPScope Scope;
    VqSNMPSecurity Security;
    VqSNMPVarList VarList;
    std::string Condition; // each read row must meet it
    bool Active = true;    // an inactive request sends nothing
    int Outstanding = 0;   // asynchronous sends whose reply (or time-out) is not handled yet
    uint64_t ErrorSerial = 0;

    // The eight operations through which value texts, row instances and expressions can be
    // specialised; the base calls the free functions of ValueTexts.h, RowInstances.h and
    // Expressions.h.
    virtual std::string SubstituteVariables(std::string_view expression, bool quoteTexts,
                                            std::string_view placeholder);
    virtual std::string DecodeIndex(int keyColumn, std::string_view instance);
    virtual std::string EncodeIndex(int keyColumn);
    virtual void VbToText(int index, const SnmpVarBind& binding);
    virtual void TextToVb(int index, SnmpVarBind& binding);
    virtual void ComputeDerived(int index, VqMoment moment);
    virtual bool TestCondition(std::string_view condition);
    virtual bool IsPastColumn(std::string_view requestedOid, std::string_view lastOid,
                              std::string_view returnedOid);

    void LoadSessionParameters();

    // One blocking read step; true when another row may follow (a walk that got a row).
    bool ReadSync(bool& ok, bool firstStep);
    // Sends one read step; its reply reaches the continuation from the pump.
    void ReadAsync(bool& ok, VqReplyContinuation continuation, bool firstStep);
    // One SET of the settable variables. A non-empty column list ("2,3") names the variables to
    // write; the value list, when given, holds their value texts in the same order. Both apply to
    // this SET only: the variable list is as before afterwards.
    void WriteSync(bool& ok, VqSNMPError& error, const std::string& columns,
                   const std::vector<std::string>* values);
    void WriteAsync(bool& ok, VqReplyContinuation continuation, const std::string& columns,
                    const std::vector<std::string>* values);
    // The handler of every asynchronous reply (the ReplyRecord's handler).
    static void ReplyReceived(VqSNMPRequest* request, int reason, SnmpReply& reply,
                              const VqReplyContinuation& continuation, bool decodeReply);

    // What a reply to one send of this request comes to, as the asynchronous reply handler reads
    // it: the record (code and text, the error index when it names one of the `sent` bindings,
    // else 0, the agent, whether a walk goes on) and, for a read (`decode`), the variables' value
    // texts and row instance. A reply that cannot be read against `sent` (fewer bindings, a walk
    // step that does not go forward) is a failure and changes no variable. The fuzz harness of
    // the decoding enters here.
    VqSNMPError ReadReply(int status, const SnmpReply& reply, const std::vector<SnmpVarBind>& sent,
                          bool decode);

    SnmpTarget BuildTargets() const;
    std::vector<SnmpVarBind> BuildPdu(VqPduMode mode);
    // BuildPdu into `bindings`, whose storage it reuses.
    void BuildPduInto(VqPduMode mode, std::vector<SnmpVarBind>& bindings);
    void SetRowFromInstance(std::string_view instance);
    std::string BuildInstance();
    bool CheckCondition();
    bool MatchesFilter(std::string_view filter);
    uint64_t GetErrorSerial() const { return ErrorSerial; }

    // The last failure of a synchronous step or write, or of a refused send.
    const VqSNMPError& LastError() const { return LastFailure; }

    // What the destructor does first, for an owner whose members the continuations reach: clears
    // Active, lets events run (at most kDestroyWaitMs) while replies are in flight, then forgets
    // the ones still out so that none reaches this request. Idempotent. An owner that has waited
    // already passes 0: what is still out is forgotten at once.
    void Close(uint64_t waitMs = kDestroyWaitMs);

    // False once the request is destroyed. A handler that calls out to code which may destroy the
    // request (a hook, a message box) holds it and looks at it before touching the request again.
    std::shared_ptr<const bool> LifeToken() const { return Alive; }

private:
    struct ReplyTicket;
    struct InFlightSend {
        uint64_t LibraryId = 0;
        bool Local = false;            // completed without traffic, delivered by a posted call
        std::vector<SnmpVarBind> Sent; // a reply short of bindings is read against them
    };
    enum class DecodeOutcome { Row, NoRow, EndOfView, NoSuchName, NonIncreasing, FewerBindings };
    class HandlingScope;

    bool IsWalk() const;
    // The operation a read step of this list's kind is sent with; false for an unknown kind.
    bool ReadOperation(SnmpOperation& operation) const;
    std::string RequestedOid(int index) const;
    void RequestedOidInto(int index, std::string& text) const;
    bool IsRequestedOid(int index, std::string_view text) const; // RequestedOid(index) == text
    void Fail(int code, const std::string& message, int errorIndex = 0);
    DecodeOutcome DecodeReply(int code, const std::vector<SnmpVarBind>& returned,
                              const std::vector<SnmpVarBind>& sent);
    // The framework's code of a reply it refuses to read, 0 for the other outcomes.
    static int RefusalCode(DecodeOutcome outcome);
    void ApplyColumnList(const std::string& columns, const std::vector<std::string>* values);
    // Column list, derived values and PDU of a write; the variable list is restored before it
    // returns (or throws).
    std::vector<SnmpVarBind> PrepareWrite(const std::string& columns, const std::vector<std::string>* values);
    // False (ok false, nothing built) for an inactive request.
    bool StartWrite(bool& ok, const std::string& columns, const std::vector<std::string>* values,
                    SnmpTarget& target, std::vector<SnmpVarBind>& bindings);
    bool Send(SnmpOperation operation, const SnmpTarget& target, std::vector<SnmpVarBind> bindings,
              VqReplyContinuation continuation, bool decode);
    void CompleteWithoutTraffic(VqReplyContinuation continuation);
    static void DeliverLocal(std::weak_ptr<bool> life, VqSNMPRequest* request, VqReplyContinuation ticket);
    void HandleReply(const ReplyTicket& ticket, int reason, SnmpReply& reply, bool decode);

    std::shared_ptr<bool> Alive = std::make_shared<bool>(true);
    int Handling = 0;            // replies of this request whose handling is under way
    uint64_t ReadGeneration = 0; // raised by every read that starts a walk anew
    uint64_t NextSerial = 1;
    std::map<uint64_t, InFlightSend> InFlight; // by serial
    std::string RowInstance;                   // the instance of the last row read
    mutable std::string DottedAddress;         // a dotted IPv4 address BuildTargets found valid
    VqSNMPError LastFailure;

    // A walk's next step asks for each column's LastOid: the OID it came back as, kept parsed
    // for as long as LastOid still holds its text.
    struct StepOid {
        std::string Text;
        SnmpOid Oid;
        bool Canonical = false; // Text is Oid as SnmpOid::ToString writes it
        bool Lent = false;      // Oid went into a step's binding: only Text is left
    };
    std::vector<StepOid> StepOids; // by variable
    // What decoding a reply works in, one entry per readable variable, kept from step to step so
    // that a walk's rows reuse their storage.
    struct DecodeColumn {
        int Index;
        const SnmpVarBind* Binding;
        bool Past;
    };
    std::vector<DecodeColumn> DecodeColumns;
    std::vector<std::string> RequestedTexts;
    std::vector<StepOid> RequestedOids; // RequestedTexts parsed, while they stay the same
    std::vector<std::string> ReturnedTexts;
    std::vector<SnmpOid> Instances;
    std::vector<SnmpVarBind> SpareBindings; // the last handled step's, lent to the next step
};
