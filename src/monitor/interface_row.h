#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

namespace quorvex {

// What the system says about the link beneath one row, where it says it (the Windows table of
// GetIfTable2 does; the classic table and Linux do not). The counting rule of
// interface_counting.h reads these to count each line once.
struct LinkFacts {
    bool hardware = false;          // the interface belongs to a hardware device
    bool filter = false;            // a filter module's row, repeating its adapter's counters
    bool connectorPresent = false;  // a physical connector: the system's "physical adapter"
    bool endpoint = false;          // a device such as a phone, not a link to a network
    std::int32_t tunnelType = 0;    // the encapsulation of a tunnel; 0 for none
};

// One row of the interface table: a plain record with a getter and a setter per field; setters
// store the value unchanged. Counters are unsigned (32-bit in the Windows table, 64-bit where the
// system keeps them so); codes are stored as the platform gives them. Only the counting rule
// (interface_counting.h) reads the type and status codes, and only of rows with LinkFacts.
// `LastChange` is a date-time counted in days since 30 December 1899, 0 when unknown.
class CInterface {
  public:
    const std::string& InterfaceDescription() const { return interfaceDescription_; }
    void SetInterfaceDescription(std::string value) { interfaceDescription_ = std::move(value); }
    std::uint64_t OutputQueueLength() const { return outputQueueLength_; }
    void SetOutputQueueLength(std::uint64_t value) { outputQueueLength_ = value; }
    std::uint64_t OutgoingErrors() const { return outgoingErrors_; }
    void SetOutgoingErrors(std::uint64_t value) { outgoingErrors_ = value; }
    std::uint64_t DiscardedOutgoingPackets() const { return discardedOutgoingPackets_; }
    void SetDiscardedOutgoingPackets(std::uint64_t value) { discardedOutgoingPackets_ = value; }
    std::uint64_t NonunicastPacketsSent() const { return nonunicastPacketsSent_; }
    void SetNonunicastPacketsSent(std::uint64_t value) { nonunicastPacketsSent_ = value; }
    std::uint64_t UnicastPacketsSent() const { return unicastPacketsSent_; }
    void SetUnicastPacketsSent(std::uint64_t value) { unicastPacketsSent_ = value; }
    std::uint64_t OctetsSent() const { return octetsSent_; }
    void SetOctetsSent(std::uint64_t value) { octetsSent_ = value; }
    std::uint64_t UnknownProtocolPackets() const { return unknownProtocolPackets_; }
    void SetUnknownProtocolPackets(std::uint64_t value) { unknownProtocolPackets_ = value; }
    std::uint64_t IncomingErrors() const { return incomingErrors_; }
    void SetIncomingErrors(std::uint64_t value) { incomingErrors_ = value; }
    std::uint64_t DiscardedIncomingPackets() const { return discardedIncomingPackets_; }
    void SetDiscardedIncomingPackets(std::uint64_t value) { discardedIncomingPackets_ = value; }
    std::uint64_t NonunicastPacketsReceived() const { return nonunicastPacketsReceived_; }
    void SetNonunicastPacketsReceived(std::uint64_t value) { nonunicastPacketsReceived_ = value; }
    std::int32_t MaximumTransmissionUnit() const { return maximumTransmissionUnit_; }
    void SetMaximumTransmissionUnit(std::int32_t value) { maximumTransmissionUnit_ = value; }
    std::uint64_t UnicastPacketsReceived() const { return unicastPacketsReceived_; }
    void SetUnicastPacketsReceived(std::uint64_t value) { unicastPacketsReceived_ = value; }
    std::uint64_t OctetsReceived() const { return octetsReceived_; }
    void SetOctetsReceived(std::uint64_t value) { octetsReceived_ = value; }
    double LastChange() const { return lastChange_; }
    void SetLastChange(double value) { lastChange_ = value; }
    std::int32_t OperationalStatus() const { return operationalStatus_; }
    void SetOperationalStatus(std::int32_t value) { operationalStatus_ = value; }
    std::int32_t AdminStatus() const { return adminStatus_; }
    void SetAdminStatus(std::int32_t value) { adminStatus_ = value; }
    const std::string& AdapterAddress() const { return adapterAddress_; }
    void SetAdapterAddress(std::string value) { adapterAddress_ = std::move(value); }
    std::int32_t Speed() const { return speed_; }
    void SetSpeed(std::int32_t value) { speed_ = value; }
    std::int32_t InterfaceType() const { return interfaceType_; }
    void SetInterfaceType(std::int32_t value) { interfaceType_ = value; }
    std::int32_t InterfaceIndex() const { return interfaceIndex_; }
    void SetInterfaceIndex(std::int32_t value) { interfaceIndex_ = value; }
    const std::string& InterfaceName() const { return interfaceName_; }
    void SetInterfaceName(std::string value) { interfaceName_ = std::move(value); }

    // Empty when the source has no such facts.
    const std::optional<LinkFacts>& linkFacts() const { return linkFacts_; }
    void setLinkFacts(std::optional<LinkFacts> value) { linkFacts_ = value; }

  private:
    std::string interfaceName_;
    std::int32_t interfaceIndex_ = 0;
    std::int32_t interfaceType_ = 0;
    std::int32_t speed_ = 0;
    std::string adapterAddress_;
    std::int32_t adminStatus_ = 0;
    std::int32_t operationalStatus_ = 0;
    double lastChange_ = 0;
    std::uint64_t octetsReceived_ = 0;
    std::uint64_t unicastPacketsReceived_ = 0;
    std::int32_t maximumTransmissionUnit_ = 0;
    std::uint64_t nonunicastPacketsReceived_ = 0;
    std::uint64_t discardedIncomingPackets_ = 0;
    std::uint64_t incomingErrors_ = 0;
    std::uint64_t unknownProtocolPackets_ = 0;
    std::uint64_t octetsSent_ = 0;
    std::uint64_t unicastPacketsSent_ = 0;
    std::uint64_t nonunicastPacketsSent_ = 0;
    std::uint64_t discardedOutgoingPackets_ = 0;
    std::uint64_t outgoingErrors_ = 0;
    std::uint64_t outputQueueLength_ = 0;
    std::string interfaceDescription_;
    std::optional<LinkFacts> linkFacts_;
};

}  // namespace quorvex
