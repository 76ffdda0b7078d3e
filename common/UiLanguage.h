#pragma once

// Whether the resource libraries of every language the configuration enables for the message
// download ("Lomarel") and for the fax setup ("FaxSetup") are present with the right version.
bool CheckDownloadResources();
bool CheckFaxResources();
