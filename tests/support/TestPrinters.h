#pragma once

// The printers that the test rig installs into every test prefix (printers.txt).
// The first four have ports that are files under C:\test-out.
namespace test_printers {
const char kLaser[] = "Lomarel Test Laser";        // driver is a "Drivers" key
const char kLaserDriver[] = "Lomarel Test PCL";
const char kLaserPort[] = "C:\\test-out\\laser.prn";
const char kMfp[] = "Lomarel Test MFP";            // "Drivers" and "Driver and Model" key
const char kMfpDriver[] = "Lomarel Test KX";
const char kXps[] = "Lomarel Test XPS";            // driver uses the XPS filter pipeline
const char kPlain[] = "Plain Office Printer";      // driver unknown to the configuration
const char kPlainDriver[] = "Generic Text Only";

// Fax printers on the network ports of the test port monitor (prepare-run.sh). Their jobs land
// in C:\test-out\fax as numbered files per port: tcp-1.prn, tcp-2.prn, ...; lpr-N, nohost-N.
const char kFaxDriver[] = "Lomarel Test Fax";
// A standard TCP/IP port whose address (value "HostName") is 127.0.0.1.
const char kFaxTcp[] = "Lomarel Fax TCP";
const char kFaxTcpPort[] = "IP_127.0.0.1";
// A standard TCP/IP port with an address only under an older system's value name ("IPAddress").
const char kFaxNoHost[] = "Lomarel Fax NoHost";
const char kFaxNoHostPort[] = "IP_NO_HOST";
// A port of the LPR utility; the prefix holds no address key for the printer.
const char kFaxLpr[] = "Lomarel Fax LPR";
const char kFaxLprPort[] = "LPR_FAX";
const char kFaxJobFolder[] = "C:\\test-out\\fax\\";

const int kCount = 7;
}  // namespace test_printers
