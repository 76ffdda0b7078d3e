#include "DataExchange.h"

void DDX_Check(CDataExchange& exchange, int controlId, bool& value)
{
    if (exchange.m_bSaveAndValidate)
        value = IsDlgButtonChecked(exchange.m_hWnd, controlId) == BST_CHECKED;
    else
        CheckDlgButton(exchange.m_hWnd, controlId, value ? BST_CHECKED : BST_UNCHECKED);
}
