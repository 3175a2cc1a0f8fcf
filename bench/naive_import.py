#!/usr/bin/env python3
"""The alternative a user would script: the csv module and json.dumps.
Usage: naive_import.py FILE  (an all-payments file; the payload goes to stdout)."""
import csv
import json
import sys

MEMBERS = ["id", "settleDate", "uetr", "paymentReference", "paymentId", "initiator", "direction",
           "creditBic", "debitBic", "ttc", "rmti", "amount", "currency", "settlementStatus",
           "creditorIban", "text", "processingStatus", "updateType", "time", "market", "defaultFund",
           "memberId", "bank", "externalCollateralAccount", "type"]

with open(sys.argv[1], newline="", encoding="utf-8-sig") as source:
    rows = list(csv.reader(source))
objects = [dict(zip(MEMBERS, (row + [""] * len(MEMBERS))[:len(MEMBERS)])) for row in rows[1:]]
sys.stdout.write(json.dumps(objects, ensure_ascii=False, separators=(",", ":")))
