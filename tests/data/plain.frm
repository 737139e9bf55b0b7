VERSION 5.00
Begin VB.Form frmPlain 
   BorderStyle     =   2  'Sizable
   Caption         =   "Customer"
   ClientHeight    =   4200
   ClientLeft      =   1200
   ClientTop       =   1500
   ClientWidth     =   6000
   LinkTopic       =   "Form1"
   ScaleHeight     =   4200
   ScaleWidth      =   6000
   StartUpPosition =   0  'Manual
   Begin VB.TextBox txtName 
      Height          =   315
      Left            =   120
      TabIndex        =   0
      Top             =   120
      Width           =   3000
   End
   Begin VB.ListBox lstLeft 
      Height          =   2790
      Left            =   120
      TabIndex        =   1
      Top             =   600
      Width           =   2000
   End
   Begin VB.ListBox lstRight 
      Height          =   2790
      Left            =   2240
      TabIndex        =   2
      Top             =   600
      Width           =   3640
   End
   Begin VB.CommandButton cmdOK 
      Caption         =   "OK"
      Height          =   375
      Left            =   4680
      TabIndex        =   3
      Top             =   3600
      Width           =   1200
   End
End
Attribute VB_Name = "frmPlain"
