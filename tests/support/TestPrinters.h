#pragma once

// The printers that the test rig installs into every test prefix (printers.txt).
// Ports are files under C:\test-out.
namespace test_printers {
const char kLaser[] = "Lomarel Test Laser";        // driver is a "Drivers" key
const char kLaserDriver[] = "Lomarel Test PCL";
const char kLaserPort[] = "C:\\test-out\\laser.prn";
const char kMfp[] = "Lomarel Test MFP";            // "Drivers" and "Driver and Model" key
const char kMfpDriver[] = "Lomarel Test KX";
const char kXps[] = "Lomarel Test XPS";            // driver uses the XPS filter pipeline
const char kPlain[] = "Plain Office Printer";      // driver unknown to the configuration
const char kPlainDriver[] = "Generic Text Only";
const int kCount = 4;
}  // namespace test_printers
